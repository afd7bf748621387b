#include "controller/SettingPresets.h"

namespace options {

namespace {

// clang-format off
constexpr InjectorType kInjectorTypes[] = {
    // name                          25   26   27   28   29
    {"",                          {   0, 128, 128, 100,  0}},
    {"Barracuda 1.9 Ohm",         {  15, 148, 160,  30,  0}},
    {"Napoleon",                  {  22, 144, 168,  50,  0}},
    {"VESK 3 Ohm",                {  27, 136, 188,  65,  0}},
    {"VESK 2 Ohm, Tervix",        {  22, 120, 176,  65,  0}},
    {"Valtek 3 Ohm",              {  27, 136, 188,  65,  0}},
    {"Valtek 1 Ohm",              {  17, 108, 160,  65,  0}},
    {"OMVL/OMVL Fast",            {  20, 136, 164,  50,  0}},
    {"Hana 3 Ohm",                {  18, 152, 192,  50,  0}},
    {"Hana 1.9 Ohm",              {  16, 140, 168,  60,  0}},
    {"Hana 1.3 Ohm",              {  16, 140, 168,  60,  0}},
    {"Matrix",                    {  11, 132, 143,  40,  0}},
    {"Keihin",                    {  17, 128, 152,  70,  0}},
    {"RAIL IG1 3 Ohm",            {  27, 136, 188,  65,  0}},
    {"RAIL IG1 2 Ohm",            {  22, 120, 176,  65,  0}},
    {"RAIL IG5 3 Ohm",            {  27, 136, 188,  65,  0}},
    {"RAIL IG5 2 Ohm",            {  22, 120, 176,  65,  0}},
    {"RAIL IG3 Horizon 2.8 Ohm",  {  27, 136, 188,  65,  0}},
    {"RAIL IG3 Horizon 2 Ohm",    {  22, 120, 176,  65,  0}},
    {"RAIL IG2 3 Ohm",            {  27, 136, 188,  65,  0}},
    {"RAIL IG2 2 Ohm",            {  22, 120, 176,  65,  0}},
    {"AEB R4S 2 Ohm",             {  22, 120, 176,  65,  0}},
    {"Zavoli Pan 3 Ohm",          {  27, 136, 188,  65,  0}},
    {"PlaniJet",                  {  20, 100, 228,  50,  0}},
    {"MegicJet",                  {  13, 126, 188,  70,  0}},
    {"APIS SOLO FAST 1.6 Ohm",    {  22, 120, 176,  65,  0}},
    {"r > 10 Ohm (PWM 100%)",     {  30, 168, 128, 100,  0}},
    {"WGs14",                     {  11, 132, 143,  40,  0}},
    {"IT01 PLUS",                 {  34, 152, 188,  65,  0}},
    {"THOR",                      {  25, 152, 152,  35,  0}},
    {"Hd2om",                     {  18, 140, 156,  35,  0}},
    {"Ig7",                       {  18, 152, 136,  35,  0}},
};

constexpr LevelPreset kLevelPresets[] = {
    // 44   43   42   41
    {{  8,  20,  39,  44}, true},
    {{ 44,  39,  20,   8}, false},
    {{ 11,  40,  54,  58}, true},
    {{ 58,  54,  40,  11}, false},
    {{ 25,  75, 125, 175}, true},
    {{ 50,  28,  17,  13}, false},
    {{  7,  12,  21,  28}, true},
    {{  9,  12,  21,  37}, true},
    {{ 36,  56,  78, 100}, true},
    {{ 49,  25,  20,  16}, false},
    {{161, 164, 167, 170}, true},
    {{ 60,  47,  17,   3}, false},
};
// clang-format on

}  // namespace

std::span<const InjectorType> InjectorTypes() {
  return kInjectorTypes;
}

std::span<const LevelPreset> LevelPresets() {
  return kLevelPresets;
}

}  // namespace options

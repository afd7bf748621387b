#pragma once

#include <string>

#include "files/FileIo.h"

class TSterownik;

// The whole controller image as the command line saves it: the 7136 bytes of
// ObrazSterownika, nothing else.

// Loads a saved image into the link and rebuilds its lists for the identity it holds; a file
// that is not an image changes nothing.
FileResult LoadImageFile(TSterownik& link, const std::string& path);
FileResult SaveImageFile(const TSterownik& link, const std::string& path);

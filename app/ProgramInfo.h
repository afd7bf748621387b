#pragma once

// --version and --help, which every MALVER program answers when either is its only argument
// (alone, so that an option taking a value, such as malver-make-image's --version V, keeps its
// meaning). True when one was asked for; it has then been printed on standard output.
bool AnswerVersionOrHelp(int argc, char** argv, const char* program, const char* usage);

#pragma once

#include <string>

// A document's folder and name, split at the last "/".
std::string FolderOfPath(const std::string& path); // up to and including the last "/"
std::string NameOfPath(const std::string& path);   // after the last "/"

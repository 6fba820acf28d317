#pragma once

#include <string>
#include <string_view>

// A document's folder and name, split at the last "/".
std::string FolderOfPath(const std::string& path); // up to and including the last "/"
std::string NameOfPath(const std::string& path);   // after the last "/"
// `path` with ".<extension>" added when its file name has no extension.
std::string WithDefaultExtension(const std::string& path, std::string_view extension);

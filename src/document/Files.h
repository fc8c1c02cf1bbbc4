// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "image/TemplateImage.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vorn {

// File access that reports the system's error number (errno), 0 meaning success, or
// notRegularFile. Only regular files (or links to them) are read or replaced: a device, FIFO,
// socket or folder is refused at once, never opened for a blocking read, never replaced.
inline constexpr int notRegularFile = -1;

// The error in words: the system's text ("No such file or directory"), or "not a regular file".
std::string fileErrorText(int error);
// "PATH: the error in words", or "PATH is not a regular file".
std::string fileErrorMessage(const std::string& path, int error);

// Hands the file's bytes to `chunk` in order until the end or until `chunk` returns false.
int readFileChunks(const std::string& path, const std::function<bool(std::string_view)>& chunk);

// Reads at most `maxBytes` from the start of the file.
int readFileStart(const std::string& path, std::size_t maxBytes, std::string& bytes);

// How reading a template file went: the system's error number (0: read), how many of the
// image's bytes the file held, and whether more bytes follow them.
struct TemplateFileRead {
    int error = 0;
    std::size_t bytes = 0;
    bool longer = false;

    bool whole() const { return error == 0 && bytes == imageSize; }
};

// The one reader of template files (and of the simulator's memory files): the first 2048
// bytes into `image`, which is left alone unless the file held all of them.
TemplateFileRead readTemplateFile(const std::string& path, TemplateImage& image);

// Replaces `path` with `bytes` through a temporary file in the same folder and a rename, so a
// failure leaves the old file as it was and no half-written file behind. A replaced file keeps
// its permission bits (and, for root, its owner and group); a link keeps pointing at the file,
// which is replaced; a file the user may not write is refused (EACCES) as a plain write would
// be; a path that is not a regular file is refused (notRegularFile).
int writeFileAtomically(const std::string& path, std::string_view bytes);

// False for a path that is there and is no regular file (a link counts as what it points at).
bool isRegularOrMissing(const std::string& path);

// The process's working directory.
std::string currentDirectory();

// Folders holding the files delivered with the program: the installed data folder beside the
// executable, and the source tree's data folder when the executable runs from the build tree.
std::vector<std::string> programDataDirectories();

} // namespace vorn

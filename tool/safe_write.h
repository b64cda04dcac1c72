// Writing a file the user named (`-o FILE`, `lng update FILE`, the gallery's
// pages): one way for every command, so that no command can destroy what
// stands at the path.
//
// - A symbolic link stays a link: the file it leads to is replaced, in that
//   file's folder.
// - A regular file is replaced whole: the new content goes to a temporary
//   file beside it, which takes the old file's mode (and owner and group,
//   where the process may set them) and is then renamed over it. A reader
//   sees the old file or the new one, never half of one.
// - Anything else (a terminal, /dev/stdout, /dev/null, a FIFO, a socket) is
//   written in place: it is opened and written like a stream, never renamed
//   over. A link into /proc (/dev/stdout is one) is opened as it stands; a
//   file behind it (standard output redirected to a file) gets the content
//   appended, as the shell's redirection would.
// - On any failure the old file is as it was and nothing is left behind: no
//   temporary file, no partial file. The message names the file asked for and
//   the system's reason.
//
// A file with several hard links gets a new inode: the name written shows the
// new content, the other names keep the old.
#pragma once

#include <string>
#include <string_view>

namespace ctrlelem_tool {

// Writes `content` as the whole new content of `path`. Returns the empty
// string, or what went wrong: "cannot write 'PATH': REASON".
std::string WriteFileSafely(const std::string& path, std::string_view content);

}  // namespace ctrlelem_tool

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Reason.h"

#include <cerrno>

#include "FileSystem.h"
#include "System.h"

namespace jitsu {

Reason Reason::ofErrno(int error, bool writing) {
    switch (portableError(error)) {
        case EACCES:
        case EPERM:
            return Reason(writing ? N_("no permission to write") : N_("no permission to read"));
        case ENOSPC:
            return Reason(N_("no space left on the disk"));
        case EROFS:
            return Reason(N_("the disk is read-only"));
        case ENOENT:
            return Reason(N_("no such file or folder"));
        case ENOTDIR:
            return Reason(N_("a part of the name is not a folder"));
        case EISDIR:
            return Reason(N_("it is a folder"));
        case ELOOP:
            return Reason(N_("too many symbolic links"));
        case ENAMETOOLONG:
            return Reason(N_("the name is too long"));
        case EMFILE:
        case ENFILE:
            return Reason(N_("too many files are open"));
        case EBUSY:
        case ETXTBSY:
            return Reason(N_("it is in use"));
        case EIO:
            return Reason(N_("the disk could not be read or written"));
        case ENOMEM:
            return Reason(N_("not enough memory"));
        case EEXIST:
            return Reason(N_("a file of that name exists already"));
        case ETIMEDOUT:
        case EHOSTUNREACH:
        case ENETDOWN:
        case ENETUNREACH:
        case ECONNABORTED:
        case ECONNRESET:
            return Reason(N_("the shared folder does not answer (the network or its server)"));
        case ENOLCK:
            return Reason(N_("the folder allows no locks"));
        default:
            return because(N_("{1} (error {2})"), systemErrorText(error), error);
    }
}

Reason reasonValue(const std::filesystem::path& p) { return Reason::verbatim(utf8FromPath(p)); }

std::string Reason::text() const {
    if (verbatim_) return text_;
    std::vector<std::string> texts;
    texts.reserve(values_.size());
    for (const Reason& value : values_) texts.push_back(value.text());
    return trFormat(text_, texts);
}

}  // namespace jitsu

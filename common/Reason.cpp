// SPDX-License-Identifier: GPL-3.0-or-later
#include "Reason.h"

#include <locale.h>
#include <string.h>

#include <cerrno>
#include <cstring>

namespace jitsu {

namespace {

// The system's own words for `error`: in Japanese when the process speaks it and the system
// has the Japanese locale and the C library's translations (libc-l10n), else in English.
std::string systemDescription(int error) {
    if (speaksJapanese())
        if (locale_t japanese =
                ::newlocale(LC_MESSAGES_MASK | LC_CTYPE_MASK, "ja_JP.UTF-8", locale_t{})) {
            std::string text = ::strerror_l(error, japanese);
            ::freelocale(japanese);
            return text;
        }
    return std::strerror(error);
}

}  // namespace

Reason Reason::ofErrno(int error, bool writing) {
    switch (error) {
        case EACCES:
        case EPERM:
            return Reason(writing ? N_("no permission to write") : N_("no permission to read"));
        case ENOSPC:
        case EDQUOT:
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
        case ESTALE:
        case ETIMEDOUT:
        case EHOSTDOWN:
        case EHOSTUNREACH:
        case ENETDOWN:
        case ENETUNREACH:
        case ECONNABORTED:
        case ECONNRESET:
            return Reason(N_("the shared folder does not answer (the network or its server)"));
        case ENOLCK:
            return Reason(N_("the folder allows no locks"));
        default:
            return because(N_("{1} (error {2})"), systemDescription(error), error);
    }
}

std::string Reason::text() const {
    if (verbatim_) return text_;
    std::vector<std::string> texts;
    texts.reserve(values_.size());
    for (const Reason& value : values_) texts.push_back(value.text());
    return trFormat(text_, texts);
}

}  // namespace jitsu

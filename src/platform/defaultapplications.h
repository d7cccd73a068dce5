// The desktop's default applications for kinds of files: the contacts application is the one
// that opens text/vcard.
#pragma once

#include <QString>

// The desktop entry file of the default application for a content type ("text/vcard"); empty
// when the desktop has none that takes the type itself (one that only takes a parent type, as a
// text editor takes text, does not count).
QString DefaultApplicationFor(const QString &contentType);

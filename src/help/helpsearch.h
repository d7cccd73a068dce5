// The viewer's full-text search over every page of a help file.
#pragma once

#include <QList>
#include <QStringList>

class QdsFile;

// The pages (indices, in page-table order) whose plain text or title holds every term, without
// regard to case. Pages of size 0 are not examined. A file that stops being readable ends the
// search with the pages found so far.
QList<int> SearchHelpFile(const QdsFile &file, const QStringList &terms);

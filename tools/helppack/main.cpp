// Packs the user guide: quorix-helppack <contents file> <help file>. The pages named in the
// contents file are read from its folder; the help file is written only when all of them are
// well, so a broken guide fails the build instead of shipping.
#include "guidesource.h"
#include "qdswriter.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) {
        err << "usage: quorix-helppack <contents file> <help file>\n";
        return 2;
    }
    QdsWriter writer;
    GuideSource guide;
    if (!guide.Load(arguments[1], writer)) {
        for (const QString &error : guide.Errors())
            err << arguments[1] << ": " << error << "\n";
        return 1;
    }
    if (!writer.WriteFile(arguments[2])) {
        err << arguments[2] << ": " << writer.Error() << "\n";
        return 1;
    }
    return 0;
}

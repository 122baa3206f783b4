// zsg-shell [script]: runs a script file, or standard input when none is given.
// Exit status 1 when any line failed, 2 when the script cannot be read.

#include "Shell.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QFile file;
    if (argc > 2) {
        std::fprintf(stderr, "usage: zsg-shell [script]\n");
        return 2;
    }
    if (argc == 2) {
        file.setFileName(QString::fromLocal8Bit(argv[1]));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            std::fprintf(stderr, "zsg-shell: cannot read %s\n", argv[1]);
            return 2;
        }
    } else {
        file.open(stdin, QIODevice::ReadOnly | QIODevice::Text);
    }
    QTextStream in(&file);
    Shell shell(out);
    return shell.run(in) == 0 ? 0 : 1;
}

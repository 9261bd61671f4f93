#include "app/frmmain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Voxtrel"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(VOXTREL_VERSION_MAJOR)
                                            .arg(VOXTREL_VERSION_MINOR)
                                            .arg(VOXTREL_VERSION_PATCH));
    FrmMain frmMain;
    frmMain.show();
    return app.exec();
}

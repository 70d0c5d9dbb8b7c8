#include "support/TestEnvironment.h"

#include <QFile>

#include "platform/Screen.h"
#include "platform/SymbolFonts.h"

void TestEnvironment::prepare()
{
    Screen::setPixelsPerInch(96);
    SymbolFonts::registerProgramFonts();
}

QString TestEnvironment::testDataPath(const QString &name)
{
    return QStringLiteral(PELLORA_TEST_DATA_DIR) + QLatin1Char('/') + name;
}

QByteArray TestEnvironment::readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

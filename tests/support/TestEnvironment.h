#pragma once

#include <QByteArray>
#include <QString>

namespace TestEnvironment {
// Runs once before the tests: fonts, screen resolution, the program folder.
void prepare();
QString testDataPath(const QString &name);
QByteArray readFile(const QString &path);
} // namespace TestEnvironment

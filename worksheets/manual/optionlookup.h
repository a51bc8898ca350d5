#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>

// The option that goes by `name` (without dashes). Throws std::runtime_error
// when none does, so that a renamed option stops the build rather than
// leaving the manual page or the completion behind.
[[nodiscard]] const QCommandLineOption &optionNamed(const QList<QCommandLineOption> &options,
                                                    const QString &name);

// A name as it is typed: "-o" or "--output".
[[nodiscard]] QString spelled(const QString &name);

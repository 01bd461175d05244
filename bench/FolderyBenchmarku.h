#pragma once

// The benchmarks start windows that remember settings and recent projects
// and keep recovery copies; none of it may land in the folders of the user
// who runs them.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace pomiar {

// Points XDG_CONFIG_HOME and XDG_DATA_HOME at a temporary folder of this run,
// removed at its end; the processes a benchmark starts inherit it and make
// none of their own. Called at the top of main(), before the application.
inline void FolderyBenchmarku()
{
    if (qEnvironmentVariableIsSet("KERWANO_BENCH_FOLDERY"))
        return; // a process started by a benchmark: its parent's folder
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/kerwano-bench-XXXXXX"));
    if (!folder.isValid())
        return;
    const QDir d(folder.path());
    d.mkpath(QStringLiteral("konfiguracja"));
    d.mkpath(QStringLiteral("dane"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(d.filePath(QStringLiteral("konfiguracja"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(d.filePath(QStringLiteral("dane"))));
    qputenv("KERWANO_BENCH_FOLDERY", QFile::encodeName(folder.path()));
}

} // namespace pomiar

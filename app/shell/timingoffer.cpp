#include "app/shell/timingoffer.h"

#include <QDir>
#include <QFileInfo>

#include "timing/timing.h"

namespace kvir {

bool TimingBenchmarkOffered(const QString& executableDir) {
  const QString name =
      QString::fromLatin1(kTimingFileName.data(), static_cast<qsizetype>(kTimingFileName.size()));
  return QFileInfo(QDir(executableDir).filePath(name)).isFile();
}

}  // namespace kvir

#include "sequencer/CStepFileReader.h"

#include <QFile>

#include "platform/CUserFile.h"
#include "sequencer/CStepFileParser.h"

std::optional<std::vector<float>> CStepFileReader::Read(const QString &path, int maxValues) {
  // Directories, devices and pipes are no step files; a pipe or /dev/zero would never end.
  QFile file;
  if (!CUserFile::OpenForReading(path, file))
    return std::nullopt;
  CStepFileParser parser(maxValues > 0 ? static_cast<std::size_t>(maxValues) : 0);
  QByteArray chunk(64 * 1024, '\0');
  while (!parser.Done()) {
    const qint64 got = file.read(chunk.data(), chunk.size());
    if (got < 0)
      return std::nullopt;
    if (got == 0)
      break;
    parser.Feed(std::string_view(chunk.constData(), static_cast<std::size_t>(got)));
  }
  parser.Finish();
  if (parser.Binary())
    return std::nullopt;
  return parser.TakeVolts();
}

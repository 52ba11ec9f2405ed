#pragma once
#include <QByteArrayView>
#include <QString>

class QFile;

// Files the operator names: a step file, the command line's FILE, a screenshot or PDF target.
// Such a name may be a pipe, a socket or a device, where a plain open() waits for ever for the
// other end; neither call here ever blocks on one, and both refuse anything but a regular file.
class CUserFile {
public:
  // Opens path read-only into file. False with the reason in *why when it is no readable
  // regular file.
  static bool OpenForReading(const QString &path, QFile &file, QString *why = nullptr);

  // Replaces the file at path with bytes, or leaves it exactly as it was and gives the system's
  // reason in *why. The bytes go to a temporary file beside the target first; where none can be
  // made (a folder we may not write to), an existing file is rewritten in place only after room
  // for all the bytes is reserved, so a full disk cannot cut it short. Pipes, sockets, devices
  // and folders are refused, never replaced.
  static bool Save(const QString &path, QByteArrayView bytes, QString *why = nullptr);

  // Why path cannot take a save (it names a folder or a special file); empty when it can, or
  // does not exist yet.
  static QString SaveTargetProblem(const QString &path);

  static QString NotRegularText();
  // The message for an output file that could not be written.
  static QString CannotWriteText(const QString &path, const QString &why);

private:
  static bool WriteInPlace(const QString &path, QByteArrayView bytes, QString *why);
};

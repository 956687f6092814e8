#pragma once
// Which INI file the program reads. A file beside the program comes first
// (a portable copy behaves as always); an installed program without one
// reads the system-wide file, then the user's own, and on its first start
// writes the user's own file pointing at the bundled sample data.
#include <QString>

enum class IniSource {
    CommandLine,     // --ini FILE
    BesideProgram,   // <program directory>/<base name>.ini
    System,          // /etc/velko/velko.ini
    User,            // <user configuration directory>/velko.ini
    FirstStart,      // none of the above yet: the user's file is to be written
    None             // nothing found and no bundled data: defaults only
};

struct IniChoice {
    QString file;
    IniSource source = IniSource::None;
};

// The system-wide settings file; tests point it elsewhere.
QString SystemIniFile();
void SetSystemIniFile(const QString &file);
// The user's settings file and the directory of the user database that a
// first start creates (the platform's per-user locations).
QString UserIniFile();
QString UserDataDirectory();
// The directory of the sample data an installation ships
// (<prefix>/share/velko/ beside <prefix>/bin/), ending in a separator, or ""
// when there is no sample bank there.
QString BundledDataDirectory();

// Picks the INI file as described above; commandLineFile wins when given.
IniChoice IniFileChoose(const QString &commandLineFile);
// From now on INIFileName() returns this file ("" goes back to the default).
void IniFileUse(const QString &file);
// True when the settings file can be written (or created): a system-wide file
// is usually not writable for the user who runs the program.
bool IniFileWritable(const QString &file);

// Writes the user's settings file for a first start: the bundled bank and
// pictures, the user database in UserDataDirectory(), and the bank version
// and quotas of the bundled template (velko.ini in the bundled directory).
bool FirstStartIniWrite(const QString &file, const QString &bundledDir, const QString &userDataDir,
                        QString &error);

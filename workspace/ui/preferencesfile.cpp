#include "workspace/ui/preferencesfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zelvar {

Language LanguageOfPreferencesLine(std::string_view firstLine)
{
    return firstLine.find("English") != std::string_view::npos ? Language::English
                                                               : Language::Portuguese;
}

PreferencesReading ReadLanguagePreference(const QString &path)
{
    PreferencesReading reading;
    if (!QFileInfo::exists(path))
        return reading;
    reading.exists = true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reading.error = file.errorString();
        return reading;
    }
    const QByteArray firstLine = file.readLine();
    if (file.error() != QFileDevice::NoError) {
        reading.error = file.errorString();
        return reading;
    }
    reading.readable = true;
    reading.language = LanguageOfPreferencesLine(
        std::string_view(firstLine.constData(), static_cast<std::size_t>(firstLine.size())));
    return reading;
}

bool WriteLanguagePreference(const QString &path, Language language, QString &error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    // CRLF, like the plant file: the same file reads alike on every system.
    const std::string_view line
        = language == Language::English ? kEnglishPreferenceLine : kPortuguesePreferenceLine;
    QByteArray bytes(line.data(), static_cast<qsizetype>(line.size()));
    bytes.append("\r\n");
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

} // namespace zelvar

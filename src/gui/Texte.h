#pragma once
// The core's texts are UTF-8 std::strings; Qt's are QStrings.

#include <QString>
#include <string>

inline QString QtText(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string KernText(const QString& s) { return s.toUtf8().toStdString(); }

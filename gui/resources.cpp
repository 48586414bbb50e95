#include "gui/resources.h"

#include <QFile>
#include <stdexcept>

std::string ReadResourceText(const std::string& path)
{
    QFile file(QStringLiteral(":/") + QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("resource '" + path + "' is missing from the program");
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

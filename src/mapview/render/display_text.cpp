// Byte strings to and from Qt text.
#include "mapview/render/display_text.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringDecoder>

namespace korvane {

QString ToDisplayText(const std::string& bytes)
{
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    // Stateless: a sequence cut off at the end is an error, not a start to finish later.
    // A leading byte-order mark is kept like any other character, so nothing is dropped.
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8.decode(view);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(view);
}

std::string FromUserText(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

}  // namespace korvane

#include "platform/SystemWords.h"

#include <QCoreApplication>

namespace platform {

QString systemWords(std::string_view english) {
    const std::string text(english);
    return QCoreApplication::translate("Words", text.c_str());
}

} // namespace platform

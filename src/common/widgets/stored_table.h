#pragma once
#include <QString>
#include <QtGlobal>
#include <exception>
#include <string>
#include <string_view>

#include "common/widgets/stored_page.h"

namespace korrimet {

// A table compiled in as a UTF-8 text resource, read by its plain-C++
// loader. A resource that does not load gives an empty table and a warning
// on the console, so the window stays usable.
template <class Loader>
auto loadStoredTable(const QString& resource, Loader load) -> decltype(load(std::string_view{})) {
    const std::string text = resourceText(resource).toStdString();
    try {
        return load(text);
    } catch (const std::exception& e) {
        qWarning("table %s: %s", qPrintable(resource), e.what());
        return {};
    }
}

}  // namespace korrimet

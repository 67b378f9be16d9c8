#pragma once

#include <string>
#include <vector>

#include "draws/CsvImport.h"

namespace numora::testing {

// Keeps what an import shows on the info line and in message boxes, in order.
class RecordingImportObserver final : public ImportObserver {
public:
    void showInfo(const std::string& text) override { infos.push_back(text); }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> infos;
    std::vector<std::string> messages;
};

}  // namespace numora::testing

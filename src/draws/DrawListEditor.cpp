#include "draws/DrawListEditor.h"

#include <algorithm>
#include <utility>

#include "draws/table/TableMerge.h"

namespace numora {

namespace {
constexpr char kSaveQuestion[] = "Save changes?";
constexpr char kAddNotSaved[] = "ERROR 2006:\nUnable to save past draw data!";
}  // namespace

DrawListEditor::DrawListEditor(DrawSaver save) : save_(std::move(save)) {}

void DrawListEditor::fill(DrawList draws, const DrawFileResult& loaded) {
    draws_ = std::move(draws);
    loaded_ = loaded;
    changed_ = false;
}

DrawFileResult DrawListEditor::saveToFile() {
    if (!loaded_.maySaveOver()) return {DrawFileResult::Status::CannotCreate, loaded_.message};
    return save_(draws_);
}

bool DrawListEditor::saveDraws(std::string& failure) {
    const DrawFileResult result = saveToFile();
    changed_ = !result.ok();
    failure = result.message;
    return result.ok();
}

std::vector<std::string> DrawListEditor::add(const DrawRecord& draw) {
    draws_.append(draw);
    std::string failure;
    if (saveDraws(failure)) return {};
    std::vector<std::string> texts;
    if (!failure.empty()) texts.push_back(failure);
    texts.push_back(kAddNotSaved);
    return texts;
}

void DrawListEditor::insertBefore(std::size_t position, const DrawRecord& draw) {
    draws_.insertBefore(std::min(position, draws_.size()), draw);
    changed_ = true;
}

void DrawListEditor::remove(std::size_t position) {
    if (position >= draws_.size()) return;
    draws_.removeAt(position);
    changed_ = true;
}

ImportOutcome DrawListEditor::imported(const ImportOutcome& outcome) {
    if (outcome.status == ImportStatus::Completed) changed_ = false;
    if (outcome.status == ImportStatus::SaveFailed) changed_ = true;
    return outcome;
}

ImportOutcome DrawListEditor::importCsv(std::string_view bytes, const CsvImportSetup& setup, ImportObserver& observer) {
    const DrawSaver save = [this](const DrawList&) { return saveToFile(); };
    return imported(numora::importCsv(bytes, draws_, setup, save, observer));
}

ImportOutcome DrawListEditor::importTable(const TableRows& rows, const LotteryProfile& profile,
                                          ImportObserver& observer) {
    return imported(importTableRows(rows, draws_, profile, [this](const DrawList&) { return saveToFile(); }, observer));
}

std::optional<std::string> DrawListEditor::closeQuestion() const {
    if (!changed_) return std::nullopt;
    return kSaveQuestion;
}

std::string DrawListEditor::saveOnClose() {
    std::string failure;
    saveDraws(failure);
    return failure;
}

}  // namespace numora

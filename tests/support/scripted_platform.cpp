#include "support/scripted_platform.h"

namespace calvex::testing {

MessageAnswer ScriptedPlatform::showMessage(QWidget* parent, const MessageRequest& request) {
    messages.push_back({request, parent});
    if (answers.empty()) return request.buttons == MessageButtons::ok ? MessageAnswer::ok : request.defaultAnswer;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

namespace {

template <typename Value>
std::optional<Value> next(std::deque<Value>& queue, bool (*chosen)(const Value&)) {
    if (queue.empty()) return std::nullopt;
    const Value value = queue.front();
    queue.pop_front();
    if (!chosen(value)) return std::nullopt;
    return value;
}

} // namespace

std::optional<QString> ScriptedPlatform::chooseFileToOpen(QWidget*, const FileDialogRequest& request) {
    fileDialogs.push_back({false, request});
    return next<QString>(files, [](const QString& file) { return !file.isEmpty(); });
}

std::optional<QString> ScriptedPlatform::chooseFileToSave(QWidget*, const FileDialogRequest& request) {
    fileDialogs.push_back({true, request});
    return next<QString>(files, [](const QString& file) { return !file.isEmpty(); });
}

std::optional<QColor> ScriptedPlatform::chooseColor(QWidget*, const QColor& initial) {
    colorDialogs.push_back(initial);
    return next<QColor>(colors, [](const QColor& colour) { return colour.isValid(); });
}

namespace {

class KeptRecording : public RecordingDevice {
public:
    explicit KeptRecording(std::vector<std::vector<Item>>& sink) : sink_(sink) {}
    ~KeptRecording() override { sink_.push_back(items()); }

private:
    std::vector<std::vector<Item>>& sink_;
};

} // namespace

std::unique_ptr<TextDevice> ScriptedPlatform::choosePrinter(QWidget*) {
    ++printerDialogs;
    const bool print = printers.empty() || printers.front();
    if (!printers.empty()) printers.pop_front();
    if (!print) return nullptr;
    return std::make_unique<KeptRecording>(printouts);
}

std::optional<QString> ScriptedPlatform::openWordDocument(QWidget*, const QString& name,
                                                          const std::function<void(documents::WordDocument&)>& build) {
    documentNames << name;
    auto& document = documents.emplace_back(std::make_unique<RecordingWordDocument>());
    build(*document);
    const QString failure = documentFailures.empty() ? QString() : documentFailures.front();
    if (!documentFailures.empty()) documentFailures.pop_front();
    if (failure.isEmpty()) return std::nullopt;
    return failure;
}

QStringList ScriptedPlatform::messageTexts() const {
    QStringList texts;
    for (const Message& message : messages) texts << message.request.text;
    return texts;
}

void ScriptedPlatform::clearRecords() {
    messages.clear();
    fileDialogs.clear();
    colorDialogs.clear();
    printerDialogs = 0;
    printouts.clear();
    documents.clear();
    documentNames.clear();
    musicPlayer.commands.clear();
}

} // namespace calvex::testing

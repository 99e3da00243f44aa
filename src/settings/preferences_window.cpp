#include "settings/preferences_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSlider>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "files/choosers.h"
#include "files/file_system.h"
#include "imaging/frame_image_writer.h"
#include "imaging/quality.h"
#include "platform/path_text.h"
#include "platform/time_syntax.h"
#include "platform/translations.h"
#include "settings/settings_store.h"
#include "ui_preferences_window.h"

namespace reelsnap {
namespace {

const char* const kCopyToPrompt =
    QT_TRANSLATE_NOOP("LocalizedStrings", "Choose a folder for the destination of the copy.");
const char* const kPercentFormat = QT_TRANSLATE_NOOP("LocalizedStrings", "%1 percent");
const char* const kFrameUnit = QT_TRANSLATE_NOOP("LocalizedStrings", "frame");
const char* const kFramesUnit = QT_TRANSLATE_NOOP("LocalizedStrings", "frames");

// Sets a label's text and draws it at once.
void SetStaticTextString(QLabel* label, const QString& text) {
    label->setText(text);
    if (label->isVisible()) label->repaint();
}

constexpr CommandId kQuitWhenDone = FourCC("Qwdo");
constexpr CommandId kPadIndices = FourCC("PIWZ");
constexpr CommandId kAppendFrameCount = FourCC("apnD");
constexpr CommandId kPreserveDates = FourCC("Pdte");
constexpr CommandId kKeepDeepFrames = FourCC("Deep");
constexpr CommandId kWriteMetadata = FourCC("Meta");
constexpr CommandId kHdrMovies = FourCC("HdrM");
constexpr CommandId kCopyTo = FourCC("Copy");
constexpr CommandId kImageType = FourCC("Eprt");
constexpr CommandId kImageQuality = FourCC("ImQu");
constexpr CommandId kChooseCopy = FourCC("Chse");
constexpr CommandId kSelection = FourCC("Slct");
constexpr CommandId kNameBy = FourCC("NmBy");

// The selection modes the popup offers, in its order, and what the number
// field holds for each: its stored key, its unit and its default.
struct ModeField {
    const QString* key;  // nothing: the mode takes no number here
    const char* unit;
    double fallback;
    const char* label = "";  // the number's label, before the field
};
const char* const kSecondsUnit = QT_TRANSLATE_NOOP("LocalizedStrings", "seconds");
const char* const kSpreadUnit = QT_TRANSLATE_NOOP("LocalizedStrings", "frames in all");
const char* const kScoreUnit = QT_TRANSLATE_NOOP("LocalizedStrings", "least scene score, 0 to 100");
const char* const kSecondsLabel = QT_TRANSLATE_NOOP("LocalizedStrings", "E&very:");
const char* const kSpreadLabel = QT_TRANSLATE_NOOP("LocalizedStrings", "&Frames:");
const char* const kScoreLabel = QT_TRANSLATE_NOOP("LocalizedStrings", "&Threshold:");
constexpr std::int16_t kSelectionModes = 5;
ModeField FieldOfMode(std::int16_t mode) {
    switch (mode) {
        case 2:
            return {&keys::SelectionSeconds, kSecondsUnit, 1.0, kSecondsLabel};
        case 4:
            return {&keys::SelectionSpread, kSpreadUnit, 10.0, kSpreadLabel};
        case 5:
            return {&keys::SceneThreshold, kScoreUnit, 10.0, kScoreLabel};
        default:
            return {nullptr, "", 0.0};
    }
}

// Whether the mode takes the number: seconds above 0, a whole count from
// 1, a score from 0 to 100.
bool ModeTakes(std::int16_t mode, double value) {
    switch (mode) {
        case 2:
            return value > 0 && value < 1e9;
        case 4:
            return value >= 1 && value <= INT32_MAX && std::trunc(value) == value;
        case 5:
            return value >= 0 && value <= 100;
        default:
            return false;
    }
}

// What the number field says when its text is not one the mode takes.
const char* const kNotATime =
    QT_TRANSLATE_NOOP("LocalizedStrings", "not a time: 2.5, 1:30 or 1:02:03.250 seconds");
const char* const kNotACount = QT_TRANSLATE_NOOP("LocalizedStrings", "not a whole number from 1");
const char* const kNotAScore = QT_TRANSLATE_NOOP("LocalizedStrings", "not a score from 0 to 100");

// The number the field holds for the mode, read as the command line reads
// it: seconds as a time ("2.5", "1:30.5", the locale's decimal comma too),
// the others as numbers; nothing when the mode does not take it.
std::optional<double> SelectionValueOf(std::int16_t mode, const QString& typed) {
    const QString text = typed.trimmed();
    double value = 0;
    if (mode == 2) {
        const auto ns = ParseTime(
            QString(text).replace(QLocale().decimalPoint(), QStringLiteral(".")).toStdString());
        if (!ns) return std::nullopt;
        value = double(*ns) / 1e9;
    } else {
        bool ok = false;
        value = QLocale().toDouble(text, &ok);
        if (!ok) value = QLocale::c().toDouble(text, &ok);
        if (!ok) return std::nullopt;
    }
    if (!ModeTakes(mode, value)) return std::nullopt;
    return value;
}

// atol's reading into a 32-bit number: leading blanks and a sign, then
// digits up to the first other character; no digits read as 0; a number
// beyond 32 bits saturates.
std::int32_t ReadLong(const QString& text) {
    const long value = std::strtol(text.toLatin1().constData(), nullptr, 10);
    return std::int32_t(std::clamp<long>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

PreferencesWindow::PreferencesWindow(QWidget* parent, SettingsStore& settings, Chooser& chooser)
    : QDialog(parent, Qt::Sheet),
      ui_(std::make_unique<Ui::PreferencesWindow>()),
      settings_(settings),
      chooser_(chooser) {
    ui_->setupUi(this);
    setWindowModality(Qt::WindowModal);
    ConnectCommands();
}

PreferencesWindow::~PreferencesWindow() = default;

CommandId PreferencesWindow::CommandOf(const QObject* control) const {
    const auto it = commands_.find(control);
    return it == commands_.end() ? 0 : it->second;
}

void PreferencesWindow::SendCommand(CommandId command) {
    if (PreferencesCommandHandler(command) == kEventNotHandledErr) emit commandNotHandled(command);
}

void PreferencesWindow::ConnectCommands() {
    const std::pair<QAbstractButton*, CommandId> buttons[] = {
        {ui_->OkButton, commands::Ok},
        {ui_->CancelButton, commands::Stop},
        {ui_->QuitWhenDoneBox, kQuitWhenDone},
        {ui_->PadIndicesBox, kPadIndices},
        {ui_->AppendFrameCountBox, kAppendFrameCount},
        {ui_->PreserveDatesBox, kPreserveDates},
        {ui_->DeepFramesBox, kKeepDeepFrames},
        {ui_->MetadataBox, kWriteMetadata},
        {ui_->CopyToBox, kCopyTo},
        {ui_->ChooseCopyButton, kChooseCopy}};
    for (const auto& [button, command] : buttons) {
        commands_[button] = command;
        connect(button, &QAbstractButton::clicked, this, [this, c = command] { SendCommand(c); });
    }
    // The type popup's items are the image types' rows, each with its stored number.
    for (const ImageTypeRow& row : ImageTypeTable()) {
        ui_->ImageTypeControl->addItem(QString::fromLatin1(row.displayName), int(row.type));
    }
    const std::pair<QComboBox*, CommandId> popups[] = {{ui_->ImageTypeControl, kImageType},
                                                       {ui_->QualityControl, kImageQuality},
                                                       {ui_->HdrControl, kHdrMovies},
                                                       {ui_->SelectionControl, kSelection},
                                                       {ui_->NameByControl, kNameBy}};
    for (const auto& [popup, command] : popups) {
        commands_[popup] = command;
        connect(popup, &QComboBox::activated, this, [this, c = command] { SendCommand(c); });
    }
    connect(ui_->ScaleSlider, &QSlider::valueChanged, this, [this] {
        UpdateScaleLabel();
        emit settingsChanged();
    });
    connect(ui_->SkipField, &QLineEdit::textChanged, this, &PreferencesWindow::UpdateSkipUnit);
    connect(ui_->SelectionValueField, &QLineEdit::textChanged, this,
            &PreferencesWindow::CheckSelectionValue);
    for (QLineEdit* field : {ui_->SkipField, ui_->InitialFrameField, ui_->FinalFrameField}) {
        field->installEventFilter(this);
        // Pasted or dropped text keeps only its digits.
        connect(field, &QLineEdit::textEdited, field, [field](const QString& text) {
            QString digits;
            for (QChar ch : text) {
                if (ch >= u'0' && ch <= u'9') digits += ch;
            }
            if (digits != text) {
                const int cursor = field->cursorPosition() - int(text.size() - digits.size());
                field->setText(digits);
                field->setCursorPosition(std::max(0, cursor));
            }
        });
    }
}

void PreferencesWindow::EnableQualityFor(std::int16_t imageType) {
    ui_->QualityControl->setEnabled(TypeTakesQuality(ImageFileTypeFromNumber(imageType)));
    ui_->DeepFramesBox->setEnabled(TypeKeepsDeepFrames(ImageFileTypeFromNumber(imageType)));
    const bool keepsHdr = TypeKeepsHdr(ImageFileTypeFromNumber(imageType));
    ui_->HdrControl->setEnabled(keepsHdr);
    ui_->HdrLabel->setEnabled(keepsHdr);
}

// The popup at the mode, the step field for Every Nth frame, and the number
// field with the mode's stored number (or its default) where it takes one.
void PreferencesWindow::ShowSelectionMode(std::int16_t mode) {
    ui_->SelectionControl->setCurrentIndex(mode - 1);
    ui_->SkipField->setEnabled(mode == 1);
    const ModeField field = FieldOfMode(mode);
    ui_->SelectionValueField->setEnabled(field.key != nullptr);
    // One number row shows: the step for every Nth frame, the mode's own
    // number, labelled for it, for the others; key frames take none.
    for (QWidget* widget :
         std::initializer_list<QWidget*>{ui_->SkipLabel, ui_->SkipField, ui_->SkipUnitLabel}) {
        widget->setVisible(mode == 1);
    }
    for (QWidget* widget : std::initializer_list<QWidget*>{
             ui_->SelectionValueLabel, ui_->SelectionValueField, ui_->SelectionUnitLabel}) {
        widget->setVisible(field.key != nullptr);
    }
    if (field.key) ui_->SelectionValueLabel->setText(LocalizedString(field.label));
    if (!field.key) {
        ui_->SelectionValueField->clear();
    } else {
        const std::optional<double> stored = settings_.ReadNumberSetting(*field.key);
        const double value = stored && ModeTakes(mode, *stored) ? *stored : field.fallback;
        ui_->SelectionValueField->setText(QLocale().toString(value, 'g', 12));
    }
    CheckSelectionValue();
}

std::int16_t PreferencesWindow::CurrentSelectionMode() const {
    return std::int16_t(ui_->SelectionControl->currentIndex() + 1);
}

double PreferencesWindow::CurrentSelectionValue() const {
    return SelectionValueOf(CurrentSelectionMode(), ui_->SelectionValueField->text())
        .value_or(FieldOfMode(CurrentSelectionMode()).fallback);
}

// A number the mode does not take is said beside the field, and OK waits
// until it is one.
void PreferencesWindow::CheckSelectionValue() {
    const std::int16_t mode = CurrentSelectionMode();
    const ModeField field = FieldOfMode(mode);
    const bool takes = !field.key || SelectionValueOf(mode, ui_->SelectionValueField->text());
    const char* const refusal = mode == 2 ? kNotATime : mode == 4 ? kNotACount : kNotAScore;
    ui_->SelectionUnitLabel->setText(!field.key ? QString()
                                     : takes    ? LocalizedString(field.unit)
                                                : LocalizedString(refusal));
    ui_->OkButton->setEnabled(takes);
}

void PreferencesWindow::EnableCopyControls(bool enabled) {
    ui_->ChooseCopyButton->setEnabled(enabled);
    ui_->CopyToPathText->setEnabled(enabled);
}

void PreferencesWindow::FillPreferencesWindow() {
    emit filling();
    ui_->QuitWhenDoneBox->setChecked(settings_.ReadBoolSetting(keys::QuitWhenDone));
    ui_->PadIndicesBox->setChecked(settings_.ReadBoolSetting(keys::PadIndicesWithZeros));
    ui_->AppendFrameCountBox->setChecked(settings_.ReadBoolSetting(keys::AppendFrameCount));
    ui_->QualityControl->setCurrentIndex(settings_.ReadImageQuality() - 1);
    ui_->PreserveDatesBox->setChecked(settings_.ReadBoolSetting(keys::PreserveDates));
    ui_->DeepFramesBox->setChecked(settings_.ReadBoolSetting(keys::KeepDeepFrames));
    ui_->MetadataBox->setChecked(settings_.ReadBoolSetting(keys::WriteFrameMetadata));
    ui_->HdrControl->setCurrentIndex(settings_.ReadInt16Setting(keys::HdrMovies) == 2 ? 1 : 0);
    const std::int16_t imageType = settings_.ReadImageType();
    EnableQualityFor(imageType);
    ui_->ImageTypeControl->setCurrentIndex(ui_->ImageTypeControl->findData(int(imageType)));
    ui_->CopyToBox->setEnabled(true);
    const bool copyTo = settings_.ReadBoolSetting(keys::CopyTo);
    ui_->CopyToBox->setChecked(copyTo);
    EnableCopyControls(copyTo);
    if (const auto scale = settings_.ReadInt16Setting(keys::ScalePercent))
        ui_->ScaleSlider->setValue(*scale);
    UpdateScaleLabel();
    const auto skip = settings_.ReadInt16Setting(keys::Skip);
    ui_->SkipField->setText(skip ? QString::number(*skip) : QStringLiteral("1"));
    const auto first = settings_.ReadInt32Setting(keys::InitialFrameIndex);
    ui_->InitialFrameField->setText(first ? QString::number(*first) : QStringLiteral("1"));
    const auto last = settings_.ReadInt32Setting(keys::FinalFrameIndex);
    ui_->FinalFrameField->setText(last ? QString::number(*last) : QString());
    ShowCopyToLocation();
    // Names by frame number unless by time (2).
    ui_->NameByControl->setCurrentIndex(settings_.ReadInt16Setting(keys::NameBy) == 2 ? 1 : 0);
    // An unknown or mistyped mode is Every Nth frame.
    const std::int16_t mode = settings_.ReadInt16Setting(keys::SelectionMode).value_or(1);
    ShowSelectionMode(mode >= 1 && mode <= kSelectionModes ? mode : 1);
    UpdateSkipUnit();
    emit settingsChanged();
}

std::int16_t PreferencesWindow::PreferencesCommandHandler(CommandId command) {
    switch (command) {
        case commands::Ok:
            SaveFieldSettings();
            hide();
            return kNoErr;
        case commands::Stop:  // Cancel
            hide();
            return kNoErr;
        case kQuitWhenDone:
            settings_.StoreBoolSetting(keys::QuitWhenDone, ui_->QuitWhenDoneBox->isChecked());
            break;
        case kPadIndices:
            settings_.StoreBoolSetting(keys::PadIndicesWithZeros, ui_->PadIndicesBox->isChecked());
            break;
        case kAppendFrameCount:
            settings_.StoreBoolSetting(keys::AppendFrameCount,
                                       ui_->AppendFrameCountBox->isChecked());
            break;
        case kPreserveDates:
            settings_.StoreBoolSetting(keys::PreserveDates, ui_->PreserveDatesBox->isChecked());
            break;
        case kKeepDeepFrames:
            settings_.StoreBoolSetting(keys::KeepDeepFrames, ui_->DeepFramesBox->isChecked());
            break;
        case kHdrMovies:
            settings_.StoreInt16Setting(keys::HdrMovies,
                                        std::int16_t(ui_->HdrControl->currentIndex() + 1));
            break;
        case kWriteMetadata:
            settings_.StoreBoolSetting(keys::WriteFrameMetadata, ui_->MetadataBox->isChecked());
            break;
        case kCopyTo:
            EnableCopyControls(ui_->CopyToBox->isChecked());
            settings_.StoreBoolSetting(keys::CopyTo, ui_->CopyToBox->isChecked());
            break;
        case kImageType: {
            const auto type = std::int16_t(ui_->ImageTypeControl->currentData().toInt());
            settings_.StoreInt16Setting(keys::ImageType, type);
            settings_.SynchronizeSettings();
            EnableQualityFor(type);
            break;
        }
        case kImageQuality:
            settings_.StoreInt16Setting(keys::ImageQuality,
                                        std::int16_t(ui_->QualityControl->currentIndex() + 1));
            settings_.SynchronizeSettings();
            break;
        case kChooseCopy:
            ChooseCopyToLocation();
            break;
        case kNameBy:
            settings_.StoreInt16Setting(keys::NameBy,
                                        std::int16_t(ui_->NameByControl->currentIndex() + 1));
            settings_.SynchronizeSettings();
            break;
        case kSelection:
            settings_.StoreInt16Setting(keys::SelectionMode, CurrentSelectionMode());
            settings_.SynchronizeSettings();
            ShowSelectionMode(CurrentSelectionMode());
            break;
        default:
            return kEventNotHandledErr;
    }
    emit settingsChanged();
    return kEventNotHandledErr;
}

void PreferencesWindow::SaveFieldSettings() {
    settings_.StoreInt16Setting(keys::ScalePercent, std::int16_t(ui_->ScaleSlider->value()));
    if (const ModeField field = FieldOfMode(CurrentSelectionMode()); field.key) {
        settings_.StoreNumberSetting(*field.key, CurrentSelectionValue());
    }
    settings_.StoreInt16Setting(keys::Skip, CurrentSkip());
    std::int32_t index = 0;
    if (CurrentInitialFrameIndex(index)) {
        settings_.StoreInt32Setting(keys::InitialFrameIndex, index);
    } else {
        settings_.RemoveSetting(keys::InitialFrameIndex);
    }
    if (CurrentFinalFrameIndex(index)) {
        settings_.StoreInt32Setting(keys::FinalFrameIndex, index);
    } else {
        settings_.RemoveSetting(keys::FinalFrameIndex);
    }
    settings_.SynchronizeSettings();
}

// "frame" for a step of 1 (or a field that CurrentSkip reads as 1), "frames"
// otherwise, as the number is typed.
void PreferencesWindow::UpdateSkipUnit() {
    const QString text = ui_->SkipField->text();
    const auto step = text.isEmpty()
                          ? std::int16_t(1)
                          : std::int16_t(std::uint16_t(std::uint32_t(ReadLong(text)) & 0xFFFF));
    ui_->SkipUnitLabel->setText(LocalizedString(step <= 1 ? kFrameUnit : kFramesUnit));
}

void PreferencesWindow::UpdateScaleLabel() {
    SetStaticTextString(ui_->ScaleLabel,
                        LocalizedString(kPercentFormat).arg(ui_->ScaleSlider->value()));
}

void PreferencesWindow::ShowCopyToLocation() {
    std::filesystem::path folder;
    if (!settings_.ResolveCopyToLocation(folder)) return;
    const std::string path = folder.string();
    if (path.size() + 1 > 255) return;
    SetStaticTextString(ui_->CopyToPathText, DisplayPath(folder));
}

void PreferencesWindow::ChooseCopyToLocation() {
    std::filesystem::path folder;
    const QString prompt = LocalizedString(kCopyToPrompt);
    if (ChooseFolder(chooser_, nullptr, LocalizedString(kCopyToTitle), &prompt, &folder) !=
        kNoErr) {
        return;
    }
    const std::string path = folder.string();
    if (path.size() + 1 <= 255) {
        SetStaticTextString(ui_->CopyToPathText, DisplayPath(folder));
    }
    settings_.StoreCopyToLocation(folder);
}

std::int16_t PreferencesWindow::CurrentScalePercent() {
    return std::int16_t(ui_->ScaleSlider->value());
}

std::int16_t PreferencesWindow::CurrentSkip() {
    const QString text = ui_->SkipField->text();
    if (text.isEmpty()) return 1;
    const auto step =
        std::int16_t(std::uint16_t(std::uint32_t(ReadLong(text)) & 0xFFFF));  // low 16 bits
    if (step <= 0) {
        ui_->SkipField->setText(QStringLiteral("1"));
        return 1;
    }
    return step;
}

bool PreferencesWindow::ReadFrameField(QLineEdit* field, std::int32_t& index) {
    const QString text = field->text();
    if (text.isEmpty()) return false;
    const std::int32_t value = ReadLong(text);
    if (value <= 0) {
        field->setText(QStringLiteral("1"));
        index = 1;
    } else {
        index = value;
    }
    return true;
}

bool PreferencesWindow::CurrentInitialFrameIndex(std::int32_t& index) {
    return ReadFrameField(ui_->InitialFrameField, index);
}

bool PreferencesWindow::CurrentFinalFrameIndex(std::int32_t& index) {
    return ReadFrameField(ui_->FinalFrameField, index);
}

bool PreferencesWindow::DigitKeyFilter(int key, Qt::KeyboardModifiers modifiers,
                                       const QString& text) {
    if (key == Qt::Key_Backspace) return true;
    if (text.size() == 1 && text.at(0) >= u'0' && text.at(0) <= u'9') return true;
    switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_Meta:
            return true;
        default:
            break;
    }
    // Shortcuts (copy, cut, paste, undo, select all) type nothing themselves;
    // pasted text keeps only its digits.
    return (modifiers & Qt::ControlModifier) != 0;
}

bool PreferencesWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!DigitKeyFilter(key->key(), key->modifiers(), key->text())) {
            QApplication::beep();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// Escape and the close button act as Cancel.
void PreferencesWindow::reject() {
    SendCommand(commands::Stop);
}

void PreferencesWindow::ShowSheet() {
    FillPreferencesWindow();
    raise();
    show();
}

}  // namespace reelsnap

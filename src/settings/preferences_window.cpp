#include "settings/preferences_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>

#include "app/app_state.h"
#include "app/command_handlers.h"
#include "app/main_window.h"
#include "app/status_line.h"
#include "files/choosers.h"
#include "files/file_system.h"
#include "settings/settings_store.h"
#include "ui_preferences_window.h"

namespace reelsnap {
namespace {

const QString kCopyToPrompt = QStringLiteral("Choose a folder for the destination of the copy.");

constexpr CommandId kQuitWhenDone = FourCC("Qwdo");
constexpr CommandId kPadIndices = FourCC("PIWZ");
constexpr CommandId kAppendFrameCount = FourCC("apnD");
constexpr CommandId kPreserveDates = FourCC("Pdte");
constexpr CommandId kCopyTo = FourCC("Copy");
constexpr CommandId kImageType = FourCC("Eprt");
constexpr CommandId kImageQuality = FourCC("ImQu");
constexpr CommandId kChooseCopy = FourCC("Chse");

// atol's reading into a 32-bit number: leading blanks and a sign, then
// digits up to the first other character; no digits read as 0; a number
// beyond 32 bits saturates.
std::int32_t ReadLong(const QString& text) {
    const long value = std::strtol(text.toLatin1().constData(), nullptr, 10);
    return std::int32_t(std::clamp<long>(value, INT32_MIN, INT32_MAX));
}

std::unique_ptr<PreferencesWindow>& Owner() {
    static std::unique_ptr<PreferencesWindow> window;
    return window;
}

}  // namespace

struct PreferencesWindow::Controls {
    QComboBox* quality = nullptr;
    QComboBox* imageType = nullptr;
    QCheckBox* quitWhenDone = nullptr;
    QSlider* scaleSlider = nullptr;
    QLabel* scaleLabel = nullptr;
    QCheckBox* preserveDates = nullptr;
    QCheckBox* copyTo = nullptr;
    QPushButton* chooseCopy = nullptr;
    QLabel* copyToPath = nullptr;
    QLineEdit* skip = nullptr;
    QLineEdit* initialFrame = nullptr;
    QLineEdit* finalFrame = nullptr;
    QCheckBox* appendFrameCount = nullptr;
    QLabel* skipUnit = nullptr;
    QCheckBox* padIndices = nullptr;
};

PreferencesWindow::PreferencesWindow(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Sheet),
      ui_(std::make_unique<Ui::PreferencesWindow>()),
      c_(std::make_unique<Controls>()) {
    ui_->setupUi(this);
    setWindowModality(Qt::WindowModal);
    FindControls();
    ConnectCommands();
}

PreferencesWindow::~PreferencesWindow() = default;

void PreferencesWindow::FindControls() {
    c_->quality = findChild<QComboBox*>("QualityControl");
    c_->imageType = findChild<QComboBox*>("ImageTypeControl");
    c_->quitWhenDone = findChild<QCheckBox*>("QuitWhenDoneBox");
    c_->scaleSlider = findChild<QSlider*>("ScaleSlider");
    c_->scaleLabel = findChild<QLabel*>("ScaleLabel");
    c_->preserveDates = findChild<QCheckBox*>("PreserveDatesBox");
    c_->copyTo = findChild<QCheckBox*>("CopyToBox");
    c_->chooseCopy = findChild<QPushButton*>("ChooseCopyButton");
    c_->copyToPath = findChild<QLabel*>("CopyToPathText");
    c_->skip = findChild<QLineEdit*>("SkipField");
    c_->initialFrame = findChild<QLineEdit*>("InitialFrameField");
    c_->finalFrame = findChild<QLineEdit*>("FinalFrameField");
    c_->appendFrameCount = findChild<QCheckBox*>("AppendFrameCountBox");
    c_->skipUnit = findChild<QLabel*>("SkipUnitLabel");
    c_->padIndices = findChild<QCheckBox*>("PadIndicesBox");
}

void PreferencesWindow::ConnectCommands() {
    auto send = [](CommandId command) {
        return [command] { DispatchCommand(command, CommandOrigin::PreferencesWindow); };
    };
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
        if (const CommandId command = CommandOf(button)) {
            connect(button, &QAbstractButton::clicked, this, send(command));
        }
    }
    for (QComboBox* box : findChildren<QComboBox*>()) {
        if (const CommandId command = CommandOf(box)) {
            connect(box, &QComboBox::activated, this, send(command));
        }
    }
    connect(c_->scaleSlider, &QSlider::valueChanged, this, &PreferencesWindow::UpdateScaleLabel);
    for (QLineEdit* field : {c_->skip, c_->initialFrame, c_->finalFrame}) {
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
    c_->quality->setEnabled((imageType | 2) == 6);
}

void PreferencesWindow::EnableCopyControls(bool enabled) {
    c_->chooseCopy->setEnabled(enabled);
    c_->copyToPath->setEnabled(enabled);
}

void PreferencesWindow::FillPreferencesWindow() {
    ShowStatusMessage(kIdleMessage, 1);
    c_->quitWhenDone->setChecked(ReadBoolSetting(keys::QuitWhenDone));
    c_->padIndices->setChecked(ReadBoolSetting(keys::PadIndicesWithZeros));
    c_->appendFrameCount->setChecked(ReadBoolSetting(keys::AppendFrameCount));
    c_->quality->setCurrentIndex(ReadImageQuality() - 1);
    c_->preserveDates->setChecked(ReadBoolSetting(keys::PreserveDates));
    const std::int16_t imageType = ReadImageType();
    EnableQualityFor(imageType);
    c_->imageType->setCurrentIndex(imageType - 1);
    c_->copyTo->setEnabled(true);
    const bool copyTo = ReadBoolSetting(keys::CopyTo);
    c_->copyTo->setChecked(copyTo);
    EnableCopyControls(copyTo);
    if (const auto scale = ReadInt16Setting(keys::ScalePercent)) c_->scaleSlider->setValue(*scale);
    UpdateScaleLabel();
    const auto skip = ReadInt16Setting(keys::Skip);
    c_->skip->setText(skip ? QString::number(*skip) : QStringLiteral("1"));
    const auto first = ReadInt32Setting(keys::InitialFrameIndex);
    c_->initialFrame->setText(first ? QString::number(*first) : QStringLiteral("1"));
    const auto last = ReadInt32Setting(keys::FinalFrameIndex);
    c_->finalFrame->setText(last ? QString::number(*last) : QString());
    ShowCopyToLocation();
    c_->skipUnit->setText(CurrentSkip() == 1 ? QStringLiteral("frame") : QStringLiteral("frames"));
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
            StoreBoolSetting(keys::QuitWhenDone, c_->quitWhenDone->isChecked());
            break;
        case kPadIndices:
            StoreBoolSetting(keys::PadIndicesWithZeros, c_->padIndices->isChecked());
            break;
        case kAppendFrameCount:
            StoreBoolSetting(keys::AppendFrameCount, c_->appendFrameCount->isChecked());
            break;
        case kPreserveDates:
            StoreBoolSetting(keys::PreserveDates, c_->preserveDates->isChecked());
            break;
        case kCopyTo:
            EnableCopyControls(c_->copyTo->isChecked());
            StoreBoolSetting(keys::CopyTo, c_->copyTo->isChecked());
            break;
        case kImageType: {
            const auto type = std::int16_t(c_->imageType->currentIndex() + 1);
            StoreInt16Setting(keys::ImageType, type);
            SynchronizeSettings();
            EnableQualityFor(type);
            break;
        }
        case kImageQuality:
            StoreInt16Setting(keys::ImageQuality, std::int16_t(c_->quality->currentIndex() + 1));
            SynchronizeSettings();
            break;
        case kChooseCopy:
            ChooseCopyToLocation();
            break;
        default:
            break;
    }
    return kEventNotHandledErr;
}

void PreferencesWindow::SaveFieldSettings() {
    StoreInt16Setting(keys::ScalePercent, std::int16_t(c_->scaleSlider->value()));
    StoreInt16Setting(keys::Skip, CurrentSkip());
    std::int32_t index = 0;
    if (CurrentInitialFrameIndex(index)) {
        StoreInt32Setting(keys::InitialFrameIndex, index);
    } else {
        RemoveSetting(keys::InitialFrameIndex);
    }
    if (CurrentFinalFrameIndex(index)) {
        StoreInt32Setting(keys::FinalFrameIndex, index);
    } else {
        RemoveSetting(keys::FinalFrameIndex);
    }
    SynchronizeSettings();
}

void PreferencesWindow::UpdateScaleLabel() {
    SetStaticTextString(c_->scaleLabel, QString::number(c_->scaleSlider->value()) + " percent",
                        true);
}

void PreferencesWindow::ShowCopyToLocation() {
    std::filesystem::path folder;
    if (!ResolveCopyToLocation(folder)) return;
    const std::string path = folder.string();
    if (path.size() + 1 > 255) return;
    SetStaticTextString(c_->copyToPath, QString::fromStdString(path), true);
}

void PreferencesWindow::ChooseCopyToLocation() {
    std::filesystem::path folder;
    if (ChooseFolder(nullptr, &kCopyToPrompt, &folder) != kNoErr) return;
    const std::string path = folder.string();
    if (path.size() + 1 <= 255) {
        SetStaticTextString(c_->copyToPath, QString::fromStdString(path), true);
    }
    StoreCopyToLocation(folder);
}

std::int16_t PreferencesWindow::CurrentScalePercent() {
    return std::int16_t(c_->scaleSlider->value());
}

std::int16_t PreferencesWindow::CurrentSkip() {
    const QString text = c_->skip->text();
    if (text.isEmpty()) return 1;
    const auto step =
        std::int16_t(std::uint16_t(std::uint32_t(ReadLong(text)) & 0xFFFF));  // low 16 bits
    if (step <= 0) {
        c_->skip->setText(QStringLiteral("1"));
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
    return ReadFrameField(c_->initialFrame, index);
}

bool PreferencesWindow::CurrentFinalFrameIndex(std::int32_t& index) {
    return ReadFrameField(c_->finalFrame, index);
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

void PreferencesWindow::reject() {
    DispatchCommand(commands::Stop, CommandOrigin::PreferencesWindow);
}

std::int16_t PreparePreferencesWindow() {
    std::unique_ptr<PreferencesWindow>& window = Owner();
    if (!window) {
        window = std::make_unique<PreferencesWindow>(State().mainWindow);
        State().preferencesWindow = window.get();
        SetLiveValues(window.get());
    }
    window->FillPreferencesWindow();
    return kNoErr;
}

void ShowPreferencesSheet() {
    PreparePreferencesWindow();
    PreferencesWindow* window = Owner().get();
    window->raise();
    window->show();
}

void DestroyPreferencesWindow() {
    SetLiveValues(nullptr);
    Owner().reset();
}

}  // namespace reelsnap

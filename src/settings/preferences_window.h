// The preferences window: edits the settings, and holds the live scale,
// step and frame range that the run reads. It knows nothing of the main
// window: it is shown as a sheet on its parent, and passes on what it does
// not handle.
#pragma once

#include <QDialog>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>

class QLineEdit;

#include "platform/commands.h"
#include "settings/live_values.h"

namespace Ui {
class PreferencesWindow;
}

namespace reelsnap {

class Chooser;
class SettingsStore;

class PreferencesWindow : public QDialog, public LiveValues {
    Q_OBJECT
  public:
    PreferencesWindow(QWidget* parent, SettingsStore& settings, Chooser& chooser);
    ~PreferencesWindow() override;

    void FillPreferencesWindow();
    // 0 when handled; -9874 passes the command on (commandNotHandled).
    std::int16_t PreferencesCommandHandler(CommandId command);
    // The command a button or popup of the window carries, or 0.
    CommandId CommandOf(const QObject* control) const;
    void SaveFieldSettings();
    void UpdateScaleLabel();
    void UpdateSkipUnit();
    void CheckSelectionValue();
    void ShowCopyToLocation();
    void ChooseCopyToLocation();
    // Fills the window from the store and shows it as a sheet.
    void ShowSheet();

    // The selection popup's mode (1 Every Nth frame ... 5 Scene changes),
    // and the number its field holds for it where the mode takes that number
    // (seconds above 0, a count from 1, a score from 0 to 100), else the
    // mode's default; 0 for a mode without a number.
    std::int16_t CurrentSelectionMode() const;
    double CurrentSelectionValue() const;

    std::int16_t CurrentScalePercent() override;
    std::int16_t CurrentSkip() override;
    bool CurrentInitialFrameIndex(std::int32_t& index) override;
    bool CurrentFinalFrameIndex(std::int32_t& index) override;

    // Digits and backspace pass; keys that only move or select pass too.
    // Any other key is refused.
    static bool DigitKeyFilter(int key, Qt::KeyboardModifiers modifiers, const QString& text);

  signals:
    // Filling begins: the main window shows its idle message again.
    void filling();
    // A setting or a live value changed, or the window was filled again.
    void settingsChanged();
    // A command the window's handler passed on.
    void commandNotHandled(CommandId command);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

  private:
    void ConnectCommands();
    void SendCommand(CommandId command);
    void EnableQualityFor(std::int16_t imageType);
    void EnableCopyControls(bool enabled);
    void ShowSelectionMode(std::int16_t mode);
    bool ReadFrameField(QLineEdit* field, std::int32_t& index);

    std::unique_ptr<Ui::PreferencesWindow> ui_;
    SettingsStore& settings_;
    Chooser& chooser_;
    std::map<const QObject*, CommandId> commands_;
};

}  // namespace reelsnap

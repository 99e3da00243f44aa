// The preferences window: edits the settings, and holds the live scale,
// step and frame range that the run reads.
#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>

#include "app/commands.h"
#include "settings/live_values.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace Ui {
class PreferencesWindow;
}

namespace reelsnap {

class PreferencesWindow : public QDialog, public LiveValues {
    Q_OBJECT
  public:
    explicit PreferencesWindow(QWidget* mainWindow);
    ~PreferencesWindow() override;

    void FillPreferencesWindow();
    std::int16_t PreferencesCommandHandler(CommandId command);
    void SaveFieldSettings();
    void UpdateScaleLabel();
    void ShowCopyToLocation();
    void ChooseCopyToLocation();

    std::int16_t CurrentScalePercent() override;
    std::int16_t CurrentSkip() override;
    bool CurrentInitialFrameIndex(std::int32_t& index) override;
    bool CurrentFinalFrameIndex(std::int32_t& index) override;

    // Digits and backspace pass; keys that only move or select pass too.
    // Any other key is refused.
    static bool DigitKeyFilter(int key, Qt::KeyboardModifiers modifiers, const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

  private:
    struct Controls;
    void FindControls();
    void ConnectCommands();
    void EnableQualityFor(std::int16_t imageType);
    void EnableCopyControls(bool enabled);
    bool ReadFrameField(QLineEdit* field, std::int32_t& index);

    std::unique_ptr<Ui::PreferencesWindow> ui_;
    std::unique_ptr<Controls> c_;
};

// Creates the window on the first call (hidden) and fills it from the store.
std::int16_t PreparePreferencesWindow();
// Prepares the window and shows it as a sheet on the main window.
void ShowPreferencesSheet();
// Destroys the window before the main window goes, at the end of the process.
void DestroyPreferencesWindow();

}  // namespace reelsnap

#pragma once

#include "common/ui/dialogseams.h"

// The Qt dialogs behind the seams, opened window-modal without a nested event loop.
class QtFontChooser : public FontChooser {
public:
    void chooseFont(QWidget* parent, const QFont& initial,
                    std::function<void(std::optional<QFont>)> answer) override;
};

class QtConfirmer : public Confirmer {
public:
    void confirm(QWidget* parent, const QString& question,
                 std::function<void(bool)> answer) override;
};

#pragma once

#include "link/linkstate.h"

#include <QCheckBox>

// The "Fast replies" check box: sets the link's option and shows it. The port panel has one and
// the options dialog may have another; each shows the link's value again whenever it is shown.
class FastRepliesBox : public QCheckBox {
    Q_OBJECT
public:
    explicit FastRepliesBox(LinkState& link, QWidget* parent = nullptr);

    void showLinkValue();

protected:
    void showEvent(QShowEvent* event) override;

private:
    LinkState& link_;
};

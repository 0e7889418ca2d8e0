#pragma once

#include "platform/richdocument.h"

#include <QString>

// Writes at the end of a document the way a rich-text editor's caret at the end does: text goes
// out in the colour and size in force, a line break opens a paragraph that keeps the tab stops of
// the one before, and tab stops are set on the paragraph being written.
class RichComposer {
public:
    explicit RichComposer(RichDocument& document) : document_(document) {}

    void setColour(RichColour colour) { colour_ = colour; }
    void setSize(int points) { halfPoints_ = 2 * points; }

    // Adds text at the end; CR LF, CR or LF each break the paragraph.
    void append(const QString& text);
    // Adds the text and a line break.
    void line(const QString& text);

    // The number of tab stops of the paragraph being written, minus one, at most 30.
    int lastTabStopIndex() const;
    // Sets stop `index` of the paragraph being written, adding it when the paragraph has fewer.
    void setTabStop(int index, int points);

private:
    void appendToParagraph(const QString& text);
    void breakParagraph();

    RichDocument& document_;
    RichColour colour_ = RichColours::Black;
    int halfPoints_ = 20;
};

#pragma once

#include <QString>

// How the single command tool writes numbers: 0 decimal, 1 hexadecimal ("SingleCommandNumberKind").
enum class NumberKind { Decimal = 0, Hexadecimal = 1 };

NumberKind numberKindFromOption(int stored);
// 200 shows as "200", or as "200 (0xC8)" in the hexadecimal style.
QString singleNumberText(int value, NumberKind kind);

// The reply of a single command as the tool shows it: a caption and a text.
struct SingleReply {
    enum class Caption { Reply, Site, Error };
    enum class Shown {
        Value,       // the number in `value`
        Nothing,     // writes show no value
        SendingSite, // the new site number is on its way
        Failed,      // the site exchange broke off after its first reply
    };
    Caption caption = Caption::Reply;
    Shown shown = Shown::Value;
    int value = 0;  // the data byte, the status, or the error number (status - 240)
    int status = 0; // the reply's status byte

    // The reply text in a language and a number style.
    QString text(NumberKind kind, int languageIndex) const;
    QString captionText(int languageIndex) const;
};

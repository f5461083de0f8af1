#pragma once

#include <QString>

// The contact's web address: how the web box completes what was typed, and what is
// handed to the shell when the user visits the site.
class WebAddress {
public:
    // True when the text begins with "http://", "ftp://", "www." or "https://" (compared
    // case-sensitively).
    static bool hasKnownPrefix(const QString &text);
    // The box's text after it loses the focus: trimmed, and with "http://" in front when
    // it is not empty and has none of the known prefixes. "www." addresses stay as typed.
    static QString completed(const QString &text);
    // The address the visit button works with: the trimmed text, with "http://" in front
    // when it has no known prefix.
    static QString visitText(const QString &text);
    // What may be handed to the shell for a visit text: an address beginning with
    // "http://", "https://" or "ftp://" ("www." addresses get "http://" in front); the
    // empty text when there is nothing that can be opened safely.
    static QString shellUrl(const QString &visitText);
};

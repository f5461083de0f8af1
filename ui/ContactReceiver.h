#pragma once

class ContactRecord;
enum class OriginTag;

// A window that takes a contact chosen in the search window: the archive window (the
// whole contact), the card composer (all four formats) and the envelope composer (its
// sender or its recipient block, as the origin tag says). Each fills itself with the
// code it uses when browsing.
class ContactReceiver {
public:
    // True when the window takes contacts sent with that tag.
    virtual bool receivesContact(OriginTag tag) const = 0;
    // Shows the contact; `number` is its record number in the archive.
    virtual void receiveContact(const ContactRecord &record, int number, OriginTag tag) = 0;

protected:
    ~ContactReceiver() = default;
};

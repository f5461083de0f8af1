#include "cards/CardContent.h"

#include "cards/CardPicture.h"
#include "cards/CardTexts.h"

CardContent CardContent::designState(CardFormat format) {
    CardContent c;
    for (ContactRecord::Field f : CardTexts::boxesOf(format)) c.texts[f] = CardTexts::designText(f);
    if (CardFormats::hasLogo(format)) c.logo = CardPicture::sample(format);
    return c;
}

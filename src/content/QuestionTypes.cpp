#include "content/QuestionTypes.h"

namespace sv {

std::string TypeName(int type)
{
    if (type < 0 || type > MaxTypeCode)
        return {};
    return QuestionTypeNames[type];
}

std::string PreannounceCode(int type)
{
    if (type < 0 || type > MaxTypeCode)
        return DefaultPreannounceCode;
    return PreannounceCodes[type];
}

std::uint8_t PrejumpClassOfType(int type)
{
    if (type >= TypeWho && type <= TypeHow)
        return TypeGeneral;
    if (type == TypeMemoryVerse || (type >= TypeMemoryQuote && type <= TypeMemoryFinishWithReference))
        return TypeMemoryVerse;
    return static_cast<std::uint8_t>(type);
}

std::uint8_t ListTypeOf(int type)
{
    return static_cast<std::uint8_t>(type >= TypeWho && type <= TypeHow ? TypeGeneral : type);
}

std::string TypeTitle(int type)
{
    if (ListTypeOf(type) == TypeGeneral)
        return "General question";
    return TypeName(type) + " question";
}

int VerseRunOfType(int type)
{
    switch (type) {
    case TypeFinishTwoVerses:
    case TypeFinishThisAndNext:
        return 2;
    case TypeFinishThreeVerses:
    case TypeFinishThisAndNextTwo:
        return 3;
    default:
        return 1;
    }
}

} // namespace sv

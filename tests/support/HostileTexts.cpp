#include "tests/support/HostileTexts.h"

#include "catalogue/DeviceCatalogue.h"

#include <QChar>

using namespace Qt::StringLiterals;

namespace hostile {

namespace {

QString unit(char16_t u)
{
    return QString(QChar(u));
}

struct Fields
{
    QString vendor, model, type, vendorId, modelId;
};

} // namespace

QString megabytePaste()
{
    static const QString text = [] {
        const QString line = u"Deltabar S / EJX910, Rosemount® 3051; FIO-100\t0X452B48 (rev 2)\r\n"_s;
        QString t;
        const qsizetype size = qsizetype(1) << 19;
        t.reserve(size);
        while (t.size() < size)
            t += line;
        t.truncate(size);
        return t;
    }();
    return text;
}

QList<Sample> shortSamples()
{
    return {
        {"plain model", u"Deltabar S"_s},
        {"upper model", u"DELTABAR S"_s},
        {"hex id lower", u"452b48"_s},
        {"id with 0x", u"0x1009"_s},
        {"trailing blank", u"0BE0EC "_s},
        {"single blank", u" "_s},
        {"trade mark", u"™"_s},
        {"emoji", u"😀"_s},
        {"emoji in text", u"Sensor 😀"_s},
        {"skin tone emoji", u"👍🏽"_s},
        {"zwj family", u"👨‍👩‍👧"_s},
        {"flag", u"🇩🇪"_s},
        {"deseret capital", u"𐐀"_s},
        {"deseret small", u"𐐨"_s},
        {"combining acute", u"Cafe\u0301"_s},
        {"precomposed", u"Café"_s},
        {"lone combining", u"\u0301"_s},
        {"stacked marks", u"a\u0300\u0301\u0302\u0303\u0304"_s},
        {"hebrew", u"שלום"_s},
        {"arabic", u"مرحبا 3051"_s},
        {"rtl override", u"\u202Eevil"_s},
        {"rtl mark", u"\u200F"_s},
        {"nul", u"\0"_s},
        {"nul inside", u"Delta\0bar"_s},
        {"controls", u"\x01\x1b[31m\x7f"_s},
        {"tab", u"\t"_s},
        {"newline", u"\n"_s},
        {"pasted line", u"Deltabar S\r\n"_s},
        {"bom", u"\uFEFF"_s},
        {"zero width space", u"EJX\u200B910"_s},
        {"nbsp", u"Deltabar\u00A0S"_s},
        {"lone high", unit(0xD83D)},
        {"lone low", unit(0xDE00)},
        {"lone low then text", unit(0xDC00) + u"x"_s},
        {"reversed pair", unit(0xDE00) + unit(0xD83D)},
        {"text then lone high", u"EJX"_s + unit(0xD801)},
        {"kelvin sign", u"\u212A"_s},
        {"long s", u"ſ"_s},
        {"sharp s", u"ß"_s},
        {"dotted capital i", u"İ"_s},
        {"dotless i", u"ı"_s},
        {"final sigma", u"ς"_s},
        {"ligature", u"ﬀ"_s},
        {"fullwidth", u"ＥＪＸ"_s},
        {"noncharacter", u"\uFFFF"_s},
        {"private use", u"\uE000"_s},
    };
}

QList<Sample> allSamples()
{
    QList<Sample> samples = shortSamples();
    samples.append({"1 MB paste", megabytePaste()});
    samples.append({"1 MB paste, upper case", megabytePaste().toUpper()});
    return samples;
}

std::unique_ptr<DeviceCatalogue> hostileCatalogue()
{
    const QString paired = u"𐐀"_s;
    const QList<Fields> rows = {
        {u"Endress + Hauser"_s, u"Deltabar S"_s, u"Pressure"_s, u"0X452B48"_s, u"0X1009"_s},
        {u"Endress + Hauser"_s, u"Deltabar S"_s, u"Pressure"_s, u"452B48"_s, u"1009"_s},
        {u"MTL Instruments"_s, u"F809F"_s, u"Other"_s, u"0BE0EC "_s, u"0001"_s},
        {u"Fuji Electric Corporation"_s, u"ZLK"_s, u"Converter (Transducer)"_s, {}, {}},
        {u"Rosemount®"_s, u"3051™ S"_s, u"Pressure,Level"_s, u"001151"_s, u"0008"_s},
        {u"Emoji Works 😀"_s, u"Sensor 😀 Pro"_s, u"Flow"_s, u"😀"_s, u"👍🏽"_s},
        {u"Deseret Co."_s, paired + u"𐐁 Meter"_s, u"Level"_s, u"𐐨"_s, u"𐐀"_s},
        {u"Café Instruments"_s, u"Cafe\u0301 Valve"_s, u"Final Control Element"_s, u"C0FFEE"_s, {}},
        {u"שלום בע״מ"_s, u"מד לחץ 3051"_s, u"Pressure"_s, u"\u202E0042"_s, u"\u200F"_s},
        {u"Null\0Vendor"_s, u"Null\0Model"_s, u"Other"_s, u"\0"_s, u"00\0"_s},
        {u"Line Break Ltd."_s, u"Deltabar S\r\n"_s, u"Flow\nLevel"_s, u"\t"_s, u"\n"_s},
        {u"Lone Halves"_s, unit(0xD83D) + u"high"_s, u"Other"_s, unit(0xDE00), unit(0xDC00) + u"x"_s},
        {u"Split Pair"_s, u"x"_s + paired + u"x"_s, u"Other"_s, paired + unit(0xDC00), u"x"_s + unit(0xD801)},
        {u"Kelvin \u212A"_s, u"STRASSE ſ İ ς"_s, u"Analytical"_s, u"\u212A"_s, u"ß"_s},
        {u"Huge Models Inc."_s, megabytePaste(), u"Other"_s, u"452B48"_s, u"0001"_s},
        {u""_s, u"No Vendor"_s, u"Other"_s, {}, {}},
        {u"No Model Co."_s, u""_s, u"Other"_s, {}, {}},
        {u"No Type Co."_s, u"Typeless"_s, u""_s, {}, {}},
        {u"Endress + Hauser"_s, u"Deltabar S"_s, u"Pressure"_s, u"452B48"_s, u"1009"_s},
    };
    auto catalogue = std::make_unique<DeviceCatalogue>(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        DeviceRecord &r = catalogue->slot(i);
        r.LinkID = QString::number(1000 + i);
        r.Vendor = rows[i].vendor;
        r.Model = rows[i].model;
        r.Type = rows[i].type;
        r.VendorID = rows[i].vendorId;
        r.ModelID = rows[i].modelId;
    }
    return catalogue;
}

} // namespace hostile

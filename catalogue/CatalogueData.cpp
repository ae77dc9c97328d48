#include "catalogue/CatalogueData.h"

#include <array>

// DRAFT: only the rows whose texts are fixed; the full table replaces this.
namespace {
constexpr std::array<CatalogueRow, 20> rows = {{
    /*   0 */ { 604, u"Fieldbus Inc.", u"100 Series", u"Development Solutions", u"", u""},
    /*   1 */ { 902, u"Rockwell Automation", u"1757-FFLD", u"Linking Device", u"00014D", u"0008"},
    /*   2 */ { 682, u"Rockwell Automation", u"1788-CN2FF", u"Linking Device,Other", u"", u""},
    /*  44 */ {1346, u"Advanced Process Automation Technologies - APAT", u"APATH1LM", u"Stack", u"", u""},
    /*  68 */ {1361, u"ENOTEC GmbH", u"COMTEC 6000", u"Analytical", u"454E4F ", u"0002"},
    /*  78 */ {1570, u"Metroval Controle de Fluidos Ltda.", u"CVM-FF-01", u"Flow,Converter (Transducer)", u"000104", u"0003"},
    /*  81 */ {1365, u"EIM Controls Inc.", u"DCM Fieldbus Actuator", u"Final Control Element", u"0002000", u"EDC2"},
    /*  82 */ {1560, u"EIM Controls Inc.", u"DCM Fieldbus Actuator", u"Final Control Element", u"002000", u"EDC2"},
    /*  85 */ { 676, u"Endress + Hauser", u"Deltabar S", u"Pressure", u"0X452B48", u"0X1009"},
    /*  86 */ {1069, u"Endress + Hauser", u"Deltabar S", u"Pressure", u"452B48", u"1009"},
    /* 104 */ {1299, u"Dynamic Flow Computers", u"DynamicFB", u"Flow", u"01167", u"0001"},
    /* 127 */ {1275, u"MTL Instruments", u"F809F", u"Other", u"0BE0EC", u"0001"},
    /* 128 */ {1340, u"MTL Instruments", u"F809F", u"Other", u"0BE0EC ", u"0001"},
    /* 144 */ { 655, u"Smar International Co.", u"FB700", u"Other", u"302", u"9"},
    /* 164 */ {1327, u"Biffi Italia srl", u"FF 2000 v4", u"Final Control Element", u"424946", u"01"},
    /* 165 */ {1523, u"Biffi Italia srl", u"FF 2000 v4", u"Final Control Element", u"424946", u"0001"},
    /* 187 */ { 739, u"ABB Automation Products GmbH", u"FIO-100", u"Linking Device", u"0X000320", u"0X0064"},
    /* 255 */ {1242, u"Smar International Co.", u"HI302-I 8AI+8HART", u"Linking Device,Converter (Transducer),Other", u"000302", u"0015"},
    /* 350 */ { 562, u"K-Patents Oy", u"PR-01-S", u"Analytical", u"", u""},
    /* 519 */ { 574, u"Fuji Electric Corporation", u"ZLK", u"Converter (Transducer)", u"", u""},
}};
} // namespace

std::span<const CatalogueRow> builtInCatalogueRows()
{
    return rows;
}

#include "highlight/HtmlEntityTable.h"

#include <vector>

namespace tessaly::html {

namespace {

constexpr std::array<std::string_view, EntityNameCount> kEntityNames = {
    "&Alpha;", "&Beta;", "&Gamma;", "&Delta;", "&Epsilon;", "&Zeta;", "&Eta;", "&Theta;", "&Iota;",
    "&Kappa;", "&Lambda;", "&Mu;", "&Nu;", "&Xi;", "&Omicron;", "&Pi;", "&Rho;", "&Sigma;",
    "&Tau;", "&Upsilon;", "&Phi;", "&Chi;", "&Psi;", "&Omega;", "&alpha;", "&beta;", "&gamma;",
    "&delta;", "&epsilon;", "&zeta;", "&eta;", "&theta;", "&iota;", "&kappa;", "&lambda;", "&mu;",
    "&nu;", "&xi;", "&omicron;", "&pi;", "&rho;", "&sigmaf;", "&sigma;", "&tau;", "&upsilon;",
    "&phi;", "&chi;", "&psi;", "&omega;", "&thetasym;", "&upsih;", "&piv;", "&bull;", "&hellip;",
    "&prime;", "&Prime;", "&oline;", "&frasl;", "&weierp;", "&image;", "&real;", "&trade;",
    "&alefsym;", "&larr;", "&uarr;", "&rarr;", "&darr;", "&harr;", "&crarr;", "&lArr;", "&uArr;",
    "&rArr;", "&dArr;", "&hArr;", "&forall;", "&part;", "&exist;", "&empty;", "&nabla;", "&isin;",
    "&notin;", "&ni;", "&prod;", "&sum;", "&minus;", "&lowast;", "&radic;", "&prop;", "&infin;",
    "&ang;", "&and;", "&or;", "&cap;", "&cup;", "&int;", "&there4;", "&sim;", "&cong;", "&asymp;",
    "&ne;", "&equiv;", "&le;", "&ge;", "&sub;", "&sup;", "&nsub;", "&sube;", "&supe;", "&oplus;",
    "&otimes;", "&perp;", "&sdot;", "&lceil;", "&rceil;", "&lfloor;", "&rfloor;", "&lang;",
    "&rang;", "&loz;", "&spades;", "&clubs;", "&hearts;", "&diams;", "&lsquo;", "&rsquo;",
    "&sbquo;", "&ldquo;", "&rdquo;", "&bdquo;", "&dagger;", "&Dagger;", "&permil;", "&lsaquo;",
    "&rsaquo;", "&quot;", "&amp;", "&lt;", "&gt;", "&ndash;", "&mdash;", "&nbsp;", "&thinsp;",
    "&ensp;", "&emsp;", "&iexcl;", "&cent;", "&pound;", "&curren;", "&yen;", "&brvbar;",
    "&brkbar;", "&sect;", "&uml;", "&die;", "&copy;", "&ordf;", "&laquo;", "&not;", "&shy;",
    "&reg;", "&macr;", "&hibar;", "&deg;", "&plusmn;", "&sup2;", "&sup3;", "&acute;", "&micro;",
    "&para;", "&middot;", "&cedil;", "&sup1;", "&ordm;", "&raquo;", "&frac14;", "&frac12;",
    "&frac34;", "&iquest;", "&Agrave;", "&Aacute;", "&Acirc;", "&Atilde;", "&Auml;", "&Aring;",
    "&AElig;", "&Ccedil;", "&Egrave;", "&Eacute;", "&Ecirc;", "&Euml;", "&Igrave;", "&Iacute;",
    "&Icirc;", "&Iuml;", "&ETH;", "&Ntilde;", "&Ograve;", "&Oacute;", "&Ocirc;", "&Otilde;",
    "&Ouml;", "&times;", "&Oslash;", "&Ugrave;", "&Uacute;", "&Ucirc;", "&Uuml;", "&Yacute;",
    "&THORN;", "&szlig;", "&agrave;", "&aacute;", "&acirc;", "&atilde;", "&auml;", "&aring;",
    "&aelig;", "&ccedil;", "&egrave;", "&eacute;", "&ecirc;", "&euml;", "&igrave;", "&iacute;",
    "&icirc;", "&iuml;", "&eth;", "&ntilde;", "&ograve;", "&oacute;", "&ocirc;", "&otilde;",
    "&ouml;", "&divide;", "&oslash;", "&ugrave;", "&uacute;", "&ucirc;", "&uuml;", "&yacute;",
    "&thorn;", "&yuml;", "&euro;", "&OElig;", "&oelig;", "&scaron;", "&Scaron;", "&fnof;",
    "&circ;",
};

unsigned char AsciiLower(unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 32) : c; }

// Table indexes grouped by the folded byte after the "&", each group in table
// order, so a lookup tries only the names that can match and the first match
// is still the first in the table.
using EntityBuckets = std::array<std::vector<int>, 256>;

const EntityBuckets& Buckets() {
  static const EntityBuckets buckets = [] {
    EntityBuckets built;
    for (int i = 0; i < EntityNameCount; ++i)
      built[AsciiLower(static_cast<unsigned char>(kEntityNames[static_cast<size_t>(i)][1]))].push_back(i);
    return built;
  }();
  return buckets;
}

bool Spells(const unsigned char* text, std::string_view name) {
  for (size_t i = 0; i < name.size(); ++i)
    if (AsciiLower(text[i]) != AsciiLower(static_cast<unsigned char>(name[i]))) return false;
  return true;
}

}  // namespace

const std::array<std::string_view, EntityNameCount>& EntityNameTable() { return kEntityNames; }

int MatchEntityAt(const unsigned char* text) {
  if (text[0] != '&') return -1;
  for (int index : Buckets()[AsciiLower(text[1])])
    if (Spells(text, kEntityNames[static_cast<size_t>(index)])) return index;
  return -1;
}

}  // namespace tessaly::html

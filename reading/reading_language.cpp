// Hindi and Tamil beside the reading layer's English texts.
//
// The style is upagraha/language.cpp's: Hindi takes the terms of Hindi almanacs (panchang) and
// astrology books, the polite आप and the danda; Tamil the forms of Tamil panchangams, the polite
// நீங்கள் and the full stop. Digits stay ASCII. The choice and source of every term are listed in
// docs/translations.md, under "The header, the table and the working" and "Messages".
#include "reading/reading_language.h"

#include <array>
#include <iterator>

#include "reading/reference_tables.h"
#include "upagraha/upagraha.h"

namespace vela::reading {

namespace {

using upagraha::Language;

// clang-format off

// Texts the header, the table and the working are built of.
constexpr TranslatedText kPhrases[] = {
    // The header.
    {"Ascendant %1, %2", "लग्न %1, %2", "லக்னம் %1, %2"},
    {"Day birth; the day portions of %1", "दिन का जन्म; %1 के दिन के भाग", "பகல் பிறப்பு; %1 பகல் பாகங்கள்"},
    {"Night birth; the night portions of %1", "रात्रि का जन्म; %1 की रात्रि के भाग",
     "இரவுப் பிறப்பு; %1 இரவுப் பாகங்கள்"},
    {"Conventions: %1", "पद्धति: %1", "முறை: %1"},
    {" (unlike Original: %1)", " (मूल से भिन्न: %1)", " (அசல் முறையிலிருந்து வேறுபாடு: %1)"},
    {"Janma rasi %1", "जन्म राशि %1", "ஜென்ம ராசி %1"},
    {"Janma nakshatra %1", "जन्म नक्षत्र %1", "ஜென்ம நட்சத்திரம் %1"},
    {" + 1 h daylight saving (%1)", " + 1 घंटा ग्रीष्मकालीन समय (%1)", " + 1 மணி பகலொளி சேமிப்பு நேரம் (%1)"},
    {"%1 N", "%1 उत्तर", "%1 வடக்கு"},
    {"%1 S", "%1 दक्षिण", "%1 தெற்கு"},
    {"%1 E", "%1 पूर्व", "%1 கிழக்கு"},
    {"%1 W", "%1 पश्चिम", "%1 மேற்கு"},
    {"zone %1", "समय क्षेत्र %1", "நேர மண்டலம் %1"},
    // The profiles' titles, as the window's Conventions menu shows them.
    {"Original", "मूल", "அசல்"},
    {"Precise ephemeris", "सूक्ष्म पंचांग", "துல்லியப் பஞ்சாங்கம்"},
    {"Gulika at the start", "भाग के आरंभ में गुलिक", "பாகத் தொடக்கத்தில் குளிகன்"},
    {"Seven lords", "सात स्वामी", "ஏழு அதிபதிகள்"},
    {"All at the start", "सब भाग के आरंभ में", "அனைத்தும் பாகத் தொடக்கத்தில்"},
    {"Kerala (Maandi by ghatis)", "केरल (घटियों से मान्दि)", "கேரளம் (நாழிகைகளால் மாந்தி)"},
    {"Custom", "अपनी पद्धति", "தனிப்பயன்"},
    // The table.
    {"Upagraha", "उपग्रह", "உபகிரகம்"},
    {"Lord", "स्वामी", "அதிபதி"},
    {"Portion", "भाग", "பாகம்"},
    {"Moment", "क्षण", "நேரம்"},
    {"Longitude", "भोगांश", "ஸ்புடம்"},
    {"Nakshatra", "नक्षत्र", "நட்சத்திரம்"},
    {"House", "भाव", "பாவம்"},
    {"%1 of %2, day", "%2 में से %1, दिन", "%2-இல் %1, பகல்"},
    {"%1 of %2, night", "%2 में से %1, रात्रि", "%2-இல் %1, இரவு"},
    {"%1 (next date)", "%1 (अगला दिनांक)", "%1 (அடுத்த தேதி)"},
    {"%1 (previous date)", "%1 (पिछला दिनांक)", "%1 (முந்தைய தேதி)"},
    {"%1 (R)", "%1 (व)", "%1 (வ)"},
    {"Grahas", "ग्रह", "கிரகங்கள்"},
    {"Upagrahas of the Sun", "सूर्य के उपग्रह", "சூரியனின் உபகிரகங்கள்"},
    // The grahas' section of the report and the working.
    {"The Grahas and the Upagrahas of the Sun", "ग्रह और सूर्य के उपग्रह", "கிரகங்களும் சூரியனின் உபகிரகங்களும்"},
    {"Grahas (Rahu and Ketu as the mean nodes)", "ग्रह (राहु और केतु मध्यम पात)",
     "கிரகங்கள் (ராகு, கேது சராசரிக் கணுக்கள்)"},
    {"Grahas (Rahu and Ketu as the true nodes)", "ग्रह (राहु और केतु स्पष्ट पात)",
     "கிரகங்கள் (ராகு, கேது உண்மைக் கணுக்கள்)"},
    {"R", "व", "வ"},
    {"house", "भाव", "பாவம்"},
    {"Ayanamsa %1", "अयनांश %1", "அயனாம்சம் %1"},
    {"The sky at the birth moment (precise ephemeris, ayanamsa subtracted)",
     "जन्म क्षण का आकाश (सूक्ष्म पंचांग, अयनांश घटाकर)",
     "பிறப்பு நேரத்தின் வானம் (துல்லியப் பஞ்சாங்கம், அயனாம்சம் கழித்து)"},
    // The working.
    {"Birth: %1 at %2, ascendant %3", "जन्म: %1, %2 बजे, लग्न %3", "பிறப்பு: %1, %2 மணி, லக்னம் %3"},
    {"Ascendant, sunrise and sunset by the %1", "लग्न, सूर्योदय और सूर्यास्त: %1",
     "லக்னம், சூரிய உதயம், அஸ்தமனம்: %1"},
    {"Sunrise and sunset", "सूर्योदय और सूर्यास्त", "சூரிய உதயமும் அஸ்தமனமும்"},
    {"Day before", "पिछला दिन", "முந்தைய நாள்"},
    {"Birth day", "जन्म दिन", "பிறந்த நாள்"},
    {"Day after", "अगला दिन", "அடுத்த நாள்"},
    {"rise %1", "उदय %1", "உதயம் %1"},
    {"set %1", "अस्त %1", "அஸ்தமனம் %1"},
    {"  (+1): after midnight, on the next date; (-1): on the date before",
     "  (+1): मध्यरात्रि के बाद, अगले दिनांक पर; (-1): पिछले दिनांक पर",
     "  (+1): நள்ளிரவுக்குப் பின், அடுத்த தேதியில்; (-1): முந்தைய தேதியில்"},
    {"%1 to %2 (%3)", "%1 से %2 (%3)", "%1 முதல் %2 வரை (%3)"},
    {"%1 min", "%1 मिनट", "%1 நிமிடம்"},
    {"%1 h", "%1 घंटे", "%1 மணி"},
    {"%1 h %2 min", "%1 घंटे %2 मिनट", "%1 மணி %2 நிமிடம்"},
    {"the day before", "पिछले दिन", "முந்தைய நாள்"},
    {"the day after", "अगले दिन", "அடுத்த நாள்"},
    {"the birth date", "जन्म दिनांक", "பிறந்த தேதி"},
    {"Day birth: %1 lies between sunrise %2 and sunset %3,",
     "दिन का जन्म: %1 सूर्योदय %2 और सूर्यास्त %3 के बीच है,",
     "பகல் பிறப்பு: %1, சூரிய உதயம் %2, அஸ்தமனம் %3 இவற்றுக்கு இடையே,"},
    {"in the daylight of %1 (%2).", "%1 (%2) के दिन में।", "%1 (%2) பகலில்."},
    {"The day runs from %1;", "दिन का विस्तार %1;", "பகல் %1;"},
    {"the portions are %1's day portions.", "भाग %1 के दिन के भाग हैं।", "பாகங்கள் %1 பகல் பாகங்கள்."},
    {"Night birth: %1 lies between sunset %2 and the next", "रात्रि का जन्म: %1 सूर्यास्त %2 और अगले",
     "இரவுப் பிறப்பு: %1, அஸ்தமனம் %2, அடுத்த"},
    {"sunrise %1.", "सूर्योदय %1 के बीच है।", "சூரிய உதயம் %1 இவற்றுக்கு இடையே."},
    {"A day runs from sunrise to sunrise, so a birth before sunrise",
     "दिन सूर्योदय से सूर्योदय तक होता है, इसलिए सूर्योदय से पहले का जन्म",
     "நாள் சூரிய உதயம் முதல் சூரிய உதயம் வரை; எனவே உதயத்திற்கு முன் பிறப்பு"},
    {"belongs to the night of %1 (%2).", "%1 (%2) की रात्रि का है।", "%1 (%2) இரவைச் சேர்ந்தது."},
    {"The night runs from %1;", "रात्रि का विस्तार %1;", "இரவு %1;"},
    {"the portions are %1's night portions.", "भाग %1 की रात्रि के भाग हैं।", "பாகங்கள் %1 இரவுப் பாகங்கள்."},
    {"Portions (each an eighth)", "भाग (प्रत्येक आठवाँ अंश)", "பாகங்கள் (ஒவ்வொன்றும் எட்டில் ஒன்று)"},
    {"Upagrahas: the ascendant rising at the middle of the lord's portion",
     "उपग्रह: स्वामी के भाग के मध्य में उदित लग्न",
     "உபகிரகங்கள்: அதிபதியின் பாகத்தின் நடுவில் உதிக்கும் லக்னம்"},
    {"Upagrahas: the ascendant rising at the profile's point of the lord's portion",
     "उपग्रह: स्वामी के भाग के पद्धति के बिंदु पर उदित लग्न",
     "உபகிரகங்கள்: அதிபதியின் பாகத்தில் முறை குறிக்கும் புள்ளியில் உதிக்கும் லக்னம்"},
    {"How far the birth time can move before a result changes",
     "परिणाम बदलने से पहले जन्म समय कितना खिसक सकता है",
     "முடிவு மாறும் முன் பிறப்பு நேரம் எவ்வளவு நகரலாம்"},
    {"(each reading recomputed minute by minute)", "(प्रत्येक गणना मिनट-दर-मिनट दोबारा की गई)",
     "(ஒவ்வொரு கணிப்பும் நிமிடம் நிமிடமாக மீண்டும் செய்யப்பட்டது)"},
    {"sign:", "राशि:", "ராசி:"},
    {"house:", "भाव:", "பாவம்:"},
    {"%1 earlier", "%1 पहले", "%1 முன்பு"},
    {"%1 later", "%1 बाद", "%1 பின்பு"},
    {"not within %1 earlier", "%1 पहले तक कोई बदलाव नहीं", "%1 முன்பு வரை மாற்றமில்லை"},
    {"not within %1 later", "%1 बाद तक कोई बदलाव नहीं", "%1 பின்பு வரை மாற்றமில்லை"},
    // The working's table of conventions.
    {"The upagrahas under each convention (in use: %1)", "प्रत्येक पद्धति में उपग्रह (प्रयुक्त: %1)",
     "ஒவ்வொரு முறையிலும் உபகிரகங்கள் (பயன்பாட்டில்: %1)"},
    {"%1 (in use)", "%1 (प्रयुक्त)", "%1 (பயன்பாட்டில்)"},
    {"refused", "अस्वीकृत", "மறுக்கப்பட்டது"},
    {"In use: %1. * differs from the profile in use.", "प्रयुक्त: %1। * प्रयुक्त पद्धति से भिन्न।",
     "பயன்பாட்டில்: %1. * பயன்பாட்டில் உள்ள முறையிலிருந்து வேறுபடுகிறது."},
    {"eight-place cycle", "आठ स्थानों का चक्र", "எட்டு இடச் சுழற்சி"},
    {"seven lords, the eighth lordless", "सात स्वामी, आठवाँ भाग स्वामीहीन",
     "ஏழு அதிபதிகள், எட்டாவது பாகம் அதிபதியற்றது"},
    {"point", "बिंदु", "புள்ளி"},
    {"%1 to %2", "%1 से %2", "%1 முதல் %2 வரை"},
    {"day %1", "दिन %1", "பகல் %1"},
    {"night %1", "रात्रि %1", "இரவு %1"},
    {"start", "आरंभ", "தொடக்கம்"},
    {"middle", "मध्य", "நடு"},
    {"end", "अंत", "முடிவு"},
    {"sunrise at the upper limb with refraction", "सूर्योदय बिम्ब के ऊपरी किनारे पर, अपवर्तन सहित",
     "சூரிய உதயம் வட்டின் மேல் விளிம்பில், ஒளிவிலகலுடன்"},
    {"sunrise at the centre of the disc without refraction", "सूर्योदय बिम्ब के केंद्र पर, अपवर्तन के बिना",
     "சூரிய உதயம் வட்டின் மையத்தில், ஒளிவிலகல் இன்றி"},
    {"sunrise at the centre of the disc with refraction", "सूर्योदय बिम्ब के केंद्र पर, अपवर्तन सहित",
     "சூரிய உதயம் வட்டின் மையத்தில், ஒளிவிலகலுடன்"},
    {"ghatis", "घटी", "நாழிகை"},
    {"eight-place cycle, nights four places on", "आठ स्थानों का चक्र, रात्रि चार स्थान आगे",
     "எட்டு இடச் சுழற்சி, இரவு நான்கு இடங்கள் முன்னே"},
    // A profile spelled out axis by axis (the header, the tooltips, the profile dialog, the day
    // sheets): the lord orders as names (the day's note on Yamaghantaka, under Messages, takes
    // them after "under"), the point of each upagraha, the Vyatipata rule and the ephemeris.
    {"eight-place cycle of lords", "स्वामियों का आठ स्थानों का चक्र", "அதிபதிகளின் எட்டு இடச் சுழற்சி"},
    {"seven lords in weekday order, the eighth portion lordless", "वार क्रम से सात स्वामी, आठवाँ भाग स्वामीहीन",
     "கிழமை வரிசையில் ஏழு அதிபதிகள், எட்டாவது பாகம் அதிபதியற்றது"},
    {"eight-place cycle of lords, each night four places on",
     "स्वामियों का आठ स्थानों का चक्र, प्रत्येक रात्रि चार स्थान आगे",
     "அதிபதிகளின் எட்டு இடச் சுழற்சி, ஒவ்வொரு இரவும் நான்கு இடங்கள் முன்னே"},
    {"%1 at the start", "भाग के आरंभ में %1", "பாகத் தொடக்கத்தில் %1"},
    {"%1 at the middle", "भाग के मध्य में %1", "பாக நடுவில் %1"},
    {"%1 at the end", "भाग के अंत में %1", "பாக முடிவில் %1"},
    {"%1 by the ghatis", "घटियों से %1", "நாழிகைகளால் %1"},
    {"every upagraha at the start of its portion", "प्रत्येक उपग्रह अपने भाग के आरंभ में",
     "ஒவ்வொரு உபகிரகமும் தன் பாகத்தின் தொடக்கத்தில்"},
    {"every upagraha at the middle of its portion", "प्रत्येक उपग्रह अपने भाग के मध्य में",
     "ஒவ்வொரு உபகிரகமும் தன் பாகத்தின் நடுவில்"},
    {"every upagraha at the end of its portion", "प्रत्येक उपग्रह अपने भाग के अंत में",
     "ஒவ்வொரு உபகிரகமும் தன் பாகத்தின் முடிவில்"},
    {"the others at the start of their portions", "अन्य अपने भाग के आरंभ में", "மற்றவை தம் பாகங்களின் தொடக்கத்தில்"},
    {"the others at the middle of their portions", "अन्य अपने भाग के मध्य में", "மற்றவை தம் பாகங்களின் நடுவில்"},
    {"the others at the end of their portions", "अन्य अपने भाग के अंत में", "மற்றவை தம் பாகங்களின் முடிவில்"},
    {"Vyatipata at the circle less Dhuma", "व्यतिपात: 360° में से धूम घटाकर",
     "வியதிபாதன்: 360°-இலிருந்து தூமனைக் கழித்து"},
    {"Vyatipata at Dhuma plus 53 deg 20'", "व्यतिपात: धूम में 53°20′ जोड़कर", "வியதிபாதன்: தூமனுடன் 53°20′ கூட்டி"},
    // The ephemeris and ayanamsa of a profile other than the original's.
    {"precise ephemeris with Lahiri's ayanamsa", "सूक्ष्म पंचांग, लाहिड़ी अयनांश",
     "துல்லியப் பஞ்சாங்கம், லாஹிரி அயனாம்சம்"},
    {"precise ephemeris with the original's ayanamsa", "सूक्ष्म पंचांग, मूल प्रोग्राम का अयनांश",
     "துல்லியப் பஞ்சாங்கம், மூல நிரலின் அயனாம்சம்"},
    {"the original's formulas with Lahiri's ayanamsa", "मूल प्रोग्राम के सूत्र, लाहिड़ी अयनांश",
     "மூல நிரலின் சூத்திரங்கள், லாஹிரி அயனாம்சம்"},
    {"the original's formulas with the original's ayanamsa", "मूल प्रोग्राम के सूत्र, मूल प्रोग्राम का अयनांश",
     "மூல நிரலின் சூத்திரங்கள், மூல நிரலின் அயனாம்சம்"},    // The command line's list of profiles (--profiles --lang).
    {"Axes (%1, or %2 in a batch's profile column):", "पद्धति के अक्ष (%1, या बैच के पद्धति स्तंभ में %2):",
     "முறையின் அச்சுகள் (%1, அல்லது தொகுப்பின் முறை நெடுவரிசையில் %2):"},
};

// Messages the window shows (and the command line prints), whole or with %1 .. %9 for what they
// carry. The more particular of two texts that would both match stands first.
constexpr TranslatedText kMessages[] = {
    // The form.
    {"Please Enter Degree of Latitude from 0 to 89", "कृपया अक्षांश के अंश 0 से 89 तक भरें",
     "அட்சரேகையின் பாகையை 0 முதல் 89 வரை உள்ளிடவும்"},
    {"Please Enter Minutes of Latitude from 0 to 59", "कृपया अक्षांश की कला 0 से 59 तक भरें",
     "அட்சரேகையின் கலையை 0 முதல் 59 வரை உள்ளிடவும்"},
    {"Please Enter Degree of Longitude from 0 to 180", "कृपया देशान्तर के अंश 0 से 180 तक भरें",
     "தீர்க்கரேகையின் பாகையை 0 முதல் 180 வரை உள்ளிடவும்"},
    {"Please Enter Minute of Longitude from 0 to 59", "कृपया देशान्तर की कला 0 से 59 तक भरें",
     "தீர்க்கரேகையின் கலையை 0 முதல் 59 வரை உள்ளிடவும்"},
    {"Please Enter Degree of Latitude", "कृपया अक्षांश के अंश भरें", "அட்சரேகையின் பாகையை உள்ளிடவும்"},
    {"Please Enter Minutes of Latitude", "कृपया अक्षांश की कला भरें", "அட்சரேகையின் கலையை உள்ளிடவும்"},
    {"Please Enter Degree of Longitude", "कृपया देशान्तर के अंश भरें", "தீர்க்கரேகையின் பாகையை உள்ளிடவும்"},
    {"Please Enter Minute of Longitude", "कृपया देशान्तर की कला भरें", "தீர்க்கரேகையின் கலையை உள்ளிடவும்"},
    {"Please Enter Your Name", "कृपया अपना नाम भरें", "உங்கள் பெயரை உள்ளிடவும்"},
    {"Please Enter Your City name", "कृपया अपने नगर का नाम भरें", "உங்கள் நகரத்தின் பெயரை உள்ளிடவும்"},
    {"Please Enter Your State name", "कृपया अपने राज्य का नाम भरें", "உங்கள் மாநிலத்தின் பெயரை உள்ளிடவும்"},
    {"Please Enter Your Country name", "कृपया अपने देश का नाम भरें", "உங்கள் நாட்டின் பெயரை உள்ளிடவும்"},
    {"Please enter only letters", "कृपया केवल अक्षर भरें", "எழுத்துகளை மட்டும் உள்ளிடவும்"},
    {"Please enter only numbers", "कृपया केवल अंक भरें", "எண்களை மட்டும் உள்ளிடவும்"},
    {"Please Select Direction For The Latitude", "कृपया अक्षांश की दिशा चुनें", "அட்சரேகையின் திசையைத் தேர்ந்தெடுக்கவும்"},
    {"Please Select Direction For The Longitude", "कृपया देशान्तर की दिशा चुनें",
     "தீர்க்கரேகையின் திசையைத் தேர்ந்தெடுக்கவும்"},
    {"Please Enter Correct Date Or Month!", "कृपया सही दिनांक या महीना भरें!", "சரியான தேதி அல்லது மாதத்தை உள்ளிடவும்!"},
    {"Please Enter Correct Date Or Month !", "कृपया सही दिनांक या महीना भरें!", "சரியான தேதி அல்லது மாதத்தை உள்ளிடவும்!"},
    {"Please Select The Month Of Birth", "कृपया जन्म का महीना चुनें", "பிறந்த மாதத்தைத் தேர்ந்தெடுக்கவும்"},
    {"Please Select The Time Zone", "कृपया समय क्षेत्र चुनें", "நேர மண்டலத்தைத் தேர்ந்தெடுக்கவும்"},
    {"Please Select The Date Of Birth", "कृपया जन्म दिनांक चुनें", "பிறந்த தேதியைத் தேர்ந்தெடுக்கவும்"},
    {"Please Select The Year Of Birth", "कृपया जन्म का वर्ष चुनें", "பிறந்த ஆண்டைத் தேர்ந்தெடுக்கவும்"},
    {"Please Select The Hour Of Birth", "कृपया जन्म का घंटा चुनें", "பிறந்த மணியைத் தேர்ந்தெடுக்கவும்"},
    {"Please Select The Minute Of Birth", "कृपया जन्म का मिनट चुनें", "பிறந்த நிமிடத்தைத் தேர்ந்தெடுக்கவும்"},
    {"Please Check The File.", "कृपया फ़ाइल जाँचें।", "கோப்பைச் சரிபார்க்கவும்."},
    // The calculation.
    {"The Sun does not rise and set on this date at this place. Upagrahas cannot be calculated.",
     "इस दिनांक को इस स्थान पर सूर्य उदय और अस्त नहीं होता। उपग्रहों की गणना नहीं हो सकती।",
     "இந்தத் தேதியில் இந்த இடத்தில் சூரியன் உதித்து மறைவதில்லை. உபகிரகங்களைக் கணிக்க முடியாது."},
    {"The offset from Greenwich must be at most 16 hours either way.",
     "ग्रीनविच से अंतर किसी भी ओर अधिकतम 16 घंटे हो सकता है।",
     "கிரீன்விச்சிலிருந்து உள்ள வேறுபாடு இருபுறமும் அதிகபட்சம் 16 மணி நேரமாக இருக்க வேண்டும்."},
    {"At 60 degrees of latitude or more the program's own sunrise and sunset formula loses accuracy; the precise "
     "profile computes them there.",
     "60 अंश या अधिक अक्षांश पर प्रोग्राम का अपना सूर्योदय-सूर्यास्त सूत्र सटीक नहीं रहता; वहाँ सूक्ष्म पद्धति "
     "उनकी गणना करती है।",
     "60 பாகை அல்லது அதற்கு மேற்பட்ட அட்சரேகையில் நிரலின் சொந்த உதய, அஸ்தமன சூத்திரம் துல்லியத்தை இழக்கிறது; "
     "அங்கே துல்லிய முறை அவற்றைக் கணிக்கிறது."},
    {"Calculate with this zone?", "क्या इसी समय क्षेत्र से गणना करें?", "இந்த நேர மண்டலத்துடன் கணிக்கவா?"},
    {"%1 with Daylight Saving Time is %2; the mean time at %3 E is %4.",
     "ग्रीष्मकालीन समय सहित %1 %2 है; %3 पूर्व पर माध्य समय %4 है।",
     "பகலொளி சேமிப்பு நேரத்துடன் %1 %2; %3 கிழக்கில் சராசரி நேரம் %4."},
    {"%1 with Daylight Saving Time is %2; the mean time at %3 W is %4.",
     "ग्रीष्मकालीन समय सहित %1 %2 है; %3 पश्चिम पर माध्य समय %4 है।",
     "பகலொளி சேமிப்பு நேரத்துடன் %1 %2; %3 மேற்கில் சராசரி நேரம் %4."},
    {"%1 is %2; the mean time at %3 E is %4.", "%1 %2 है; %3 पूर्व पर माध्य समय %4 है।",
     "%1 %2; %3 கிழக்கில் சராசரி நேரம் %4."},
    {"%1 is %2; the mean time at %3 W is %4.", "%1 %2 है; %3 पश्चिम पर माध्य समय %4 है।",
     "%1 %2; %3 மேற்கில் சராசரி நேரம் %4."},
    // The day's portions.
    {"The date must lie within the years 1901 to 2050.", "दिनांक 1901 से 2050 तक के वर्षों में होना चाहिए।",
     "தேதி 1901 முதல் 2050 வரையிலான ஆண்டுகளுக்குள் இருக்க வேண்டும்."},
    {"The date must lie within the years %1 to %2.", "दिनांक %1 से %2 तक के वर्षों में होना चाहिए।",
     "தேதி %1 முதல் %2 வரையிலான ஆண்டுகளுக்குள் இருக்க வேண்டும்."},
    {"Yamaghantaka takes the %1 portion of the day under the %2; the almanac's Yamagandam is the %3.",
     "%2 में यमघण्टक दिन का %1 भाग लेता है; पंचांग का यमगण्ड %3 भाग है।",
     "%2 முறையில் எமகண்டன் பகலின் %1 பாகத்தை எடுக்கிறது; பஞ்சாங்கத்தின் எமகண்டம் %3 பாகம்."},
    {"Daylight saving: on for every day as given (clock one hour ahead of the zone)",
     "ग्रीष्मकालीन समय: दिए अनुसार हर दिन लागू (घड़ी समय क्षेत्र से एक घंटा आगे)",
     "பகலொளி சேமிப்பு நேரம்: கொடுத்தபடி ஒவ்வொரு நாளும் உண்டு (கடிகாரம் நேர மண்டலத்தை விட ஒரு மணி முன்னே)"},
    {"Daylight saving: off for every day as given", "ग्रीष्मकालीन समय: दिए अनुसार हर दिन लागू नहीं",
     "பகலொளி சேமிப்பு நேரம்: கொடுத்தபடி எந்த நாளும் இல்லை"},
    {"Daylight saving: by day, as the zone history of %1 has it (each day on its own clock)",
     "ग्रीष्मकालीन समय: दिन-प्रतिदिन, जैसा %1 का समय क्षेत्र इतिहास बताता है (हर दिन अपनी घड़ी से)",
     "பகலொளி சேமிப்பு நேரம்: நாள்தோறும், %1 இன் நேர மண்டல வரலாற்றின்படி (ஒவ்வொரு நாளும் தன் கடிகாரத்தில்)"},
    {"eight-place cycle of lords", "स्वामियों के आठ स्थानों के चक्र", "அதிபதிகளின் எட்டு இடச் சுழற்சி"},
    {"eight-place cycle of lords, each night four places on", "स्वामियों के आठ स्थानों के चक्र, प्रत्येक रात्रि चार स्थान आगे",
     "அதிபதிகளின் எட்டு இடச் சுழற்சி, ஒவ்வொரு இரவும் நான்கு இடங்கள் முன்னே"},
    {"seven lords in weekday order, the eighth portion lordless",
     "वार क्रम के सात स्वामियों (आठवाँ भाग स्वामीहीन)",
     "கிழமை வரிசையில் ஏழு அதிபதிகள் (எட்டாவது பாகம் அதிபதியற்றது)"},
    {"1st", "पहला", "முதல்"},
    {"2nd", "दूसरा", "இரண்டாம்"},
    {"3rd", "तीसरा", "மூன்றாம்"},
    {"4th", "चौथा", "நான்காம்"},
    {"5th", "पाँचवाँ", "ஐந்தாம்"},
    {"6th", "छठा", "ஆறாம்"},
    {"7th", "सातवाँ", "ஏழாம்"},
    {"8th", "आठवाँ", "எட்டாம்"},
    // Opening and saving.
    {"The reading could not be opened. %1", "कुण्डली खोली नहीं जा सकी। %1", "ஜாதகத்தைத் திறக்க முடியவில்லை. %1"},
    {"The reading could not be saved. %1", "कुण्डली सहेजी नहीं जा सकी। %1", "ஜாதகத்தைச் சேமிக்க முடியவில்லை. %1"},
    {"This file is not a saved reading.", "यह फ़ाइल सहेजी गई कुण्डली नहीं है।", "இந்தக் கோப்பு சேமிக்கப்பட்ட ஜாதகம் அல்ல."},
    {"A .ved file holds only a row of the zone table, not an exact offset: save the reading as a .vela file.",
     "एक .ved फ़ाइल समय क्षेत्र सारणी की केवल एक पंक्ति रखती है, सटीक अंतर नहीं: कुण्डली को .vela फ़ाइल के रूप में "
     "सहेजें।",
     "ஒரு .ved கோப்பு நேர மண்டல அட்டவணையின் ஒரு வரிசையை மட்டுமே வைத்திருக்கும், துல்லியமான வேறுபாட்டை அல்ல: "
     "ஜாதகத்தை .vela கோப்பாகச் சேமிக்கவும்."},
    {"The reading was written to %1, but the disk did not confirm it: %2.",
     "कुण्डली %1 में लिखी गई, पर डिस्क ने इसकी पुष्टि नहीं की: %2।",
     "ஜாதகம் %1 இல் எழுதப்பட்டது, ஆனால் வட்டு அதை உறுதிப்படுத்தவில்லை: %2."},
    {"Some lines of this reading could not be read, and the form keeps what it held for them: %1.",
     "इस कुण्डली की कुछ पंक्तियाँ पढ़ी नहीं जा सकीं, और फ़ॉर्म में उनके लिए पहले वाले मान बने रहे: %1।",
     "இந்த ஜாதகத்தின் சில வரிகளைப் படிக்க முடியவில்லை; படிவம் அவற்றுக்கு முன்பிருந்தவற்றை வைத்திருக்கிறது: %1."},
    {"Some lines of it could not be read: %1.", "इसकी कुछ पंक्तियाँ पढ़ी नहीं जा सकीं: %1।",
     "அதன் சில வரிகளைப் படிக்க முடியவில்லை: %1."},
    // A chart file (.jhd) that cannot be read or written: "Line 2 (day): 31 February 2001 does not
    // exist." The line's name and the reason are each found in turn.
    {"The chart file %1 cannot be read. %2", "चक्र की फ़ाइल %1 पढ़ी नहीं जा सकती। %2",
     "கட்டக் கோப்பு %1 ஐப் படிக்க முடியாது. %2"},
    {"The file is too large to be a chart (%1 bytes; a chart is a few hundred).",
     "फ़ाइल चक्र होने के लिए बहुत बड़ी है (%1 बाइट; चक्र कुछ सौ बाइट का होता है)।",
     "கோப்பு ஒரு கட்டமாக இருக்க மிகப் பெரியது (%1 பைட்கள்; ஒரு கட்டம் சில நூறு பைட்டுகளே)."},
    {"Line %1 (%2): %3", "पंक्ति %1 (%2): %3", "வரி %1 (%2): %3"},
    {"Line %1: %2", "पंक्ति %1: %2", "வரி %1: %2"},
    {"month", "महीना", "மாதம்"},
    {"day", "दिन", "நாள்"},
    {"year", "वर्ष", "ஆண்டு"},
    {"clock time", "घड़ी का समय", "கடிகார நேரம்"},
    {"clock offset", "घड़ी का अंतर", "கடிகார வேறுபாடு"},
    {"longitude", "देशान्तर", "தீர்க்கரேகை"},
    {"latitude", "अक्षांश", "அட்சரேகை"},
    {"altitude", "ऊँचाई", "உயரம்"},
    {"zone", "समय क्षेत्र", "நேர மண்டலம்"},
    {"atlas code", "एटलस कोड", "அட்லஸ் குறியீடு"},
    {"city", "नगर", "நகரம்"},
    {"state or country", "राज्य या देश", "மாநிலம் அல்லது நாடு"},
    {"air pressure", "वायुदाब", "காற்றழுத்தம்"},
    {"temperature", "तापमान", "வெப்பநிலை"},
    {"flag", "चिह्न", "குறி"},
    {"missing; the file is empty.", "अनुपस्थित; फ़ाइल खाली है।", "இல்லை; கோப்பு காலியாக உள்ளது."},
    {"missing; the file ends after line %1.", "अनुपस्थित; फ़ाइल पंक्ति %1 के बाद समाप्त हो जाती है।",
     "இல்லை; கோப்பு வரி %1 உடன் முடிகிறது."},
    {"the line is empty where a whole number belongs.", "जहाँ पूर्ण संख्या होनी चाहिए, वहाँ पंक्ति खाली है।",
     "முழு எண் இருக்க வேண்டிய இடத்தில் வரி காலியாக உள்ளது."},
    {"the line is empty where a number belongs.", "जहाँ संख्या होनी चाहिए, वहाँ पंक्ति खाली है।",
     "எண் இருக்க வேண்டிய இடத்தில் வரி காலியாக உள்ளது."},
    {"%1 is not a whole number.", "%1 पूर्ण संख्या नहीं है।", "%1 முழு எண் அல்ல."},
    {"%1 is not a number.", "%1 संख्या नहीं है।", "%1 எண் அல்ல."},
    {"%1 is too large for this line.", "%1 इस पंक्ति के लिए बहुत बड़ा है।", "%1 இந்த வரிக்கு மிகப் பெரியது."},
    {"the value is not a number the file can hold.", "यह मान ऐसी संख्या नहीं है जिसे फ़ाइल रख सके।",
     "இந்த மதிப்பு கோப்பு வைத்திருக்கக்கூடிய எண் அல்ல."},
    {"%1 holds %2 minutes after the point; minutes run from 0 to 59.",
     "%1 में दशमलव के बाद %2 मिनट हैं; मिनट 0 से 59 तक होते हैं।",
     "%1 இல் புள்ளிக்குப் பின் %2 நிமிடங்கள்; நிமிடங்கள் 0 முதல் 59 வரை."},
    {"%1 is not a month; months run from 1 to 12.", "%1 कोई महीना नहीं है; महीने 1 से 12 तक होते हैं।",
     "%1 ஒரு மாதம் அல்ல; மாதங்கள் 1 முதல் 12 வரை."},
    {"%1 is not a day of a month; days run from 1 to 31.", "%1 महीने का कोई दिन नहीं है; दिन 1 से 31 तक होते हैं।",
     "%1 மாதத்தின் நாள் அல்ல; நாட்கள் 1 முதல் 31 வரை."},
    {"%1 is beyond the years a chart can hold (-9999 to 9999).",
     "%1 उन वर्षों से बाहर है जिन्हें चक्र रख सकता है (-9999 से 9999)।",
     "%1 ஒரு கட்டம் வைத்திருக்கக்கூடிய ஆண்டுகளுக்கு (-9999 முதல் 9999 வரை) அப்பாற்பட்டது."},
    {"%1 January %2 does not exist.", "%1 जनवरी %2 कोई दिनांक नहीं है।", "%1 ஜனவரி %2 என்ற தேதி இல்லை."},
    {"%1 February %2 does not exist.", "%1 फरवरी %2 कोई दिनांक नहीं है।", "%1 பிப்ரவரி %2 என்ற தேதி இல்லை."},
    {"%1 March %2 does not exist.", "%1 मार्च %2 कोई दिनांक नहीं है।", "%1 மார்ச் %2 என்ற தேதி இல்லை."},
    {"%1 April %2 does not exist.", "%1 अप्रैल %2 कोई दिनांक नहीं है।", "%1 ஏப்ரல் %2 என்ற தேதி இல்லை."},
    {"%1 May %2 does not exist.", "%1 मई %2 कोई दिनांक नहीं है।", "%1 மே %2 என்ற தேதி இல்லை."},
    {"%1 June %2 does not exist.", "%1 जून %2 कोई दिनांक नहीं है।", "%1 ஜூன் %2 என்ற தேதி இல்லை."},
    {"%1 July %2 does not exist.", "%1 जुलाई %2 कोई दिनांक नहीं है।", "%1 ஜூலை %2 என்ற தேதி இல்லை."},
    {"%1 August %2 does not exist.", "%1 अगस्त %2 कोई दिनांक नहीं है।", "%1 ஆகஸ்ட் %2 என்ற தேதி இல்லை."},
    {"%1 September %2 does not exist.", "%1 सितंबर %2 कोई दिनांक नहीं है।", "%1 செப்டம்பர் %2 என்ற தேதி இல்லை."},
    {"%1 October %2 does not exist.", "%1 अक्टूबर %2 कोई दिनांक नहीं है।", "%1 அக்டோபர் %2 என்ற தேதி இல்லை."},
    {"%1 November %2 does not exist.", "%1 नवंबर %2 कोई दिनांक नहीं है।", "%1 நவம்பர் %2 என்ற தேதி இல்லை."},
    {"%1 December %2 does not exist.", "%1 दिसंबर %2 कोई दिनांक नहीं है।", "%1 டிசம்பர் %2 என்ற தேதி இல்லை."},
    {"%1 is before midnight; clock times run from 0:00 to 23:59.",
     "%1 मध्यरात्रि से पहले है; घड़ी का समय 0:00 से 23:59 तक होता है।",
     "%1 நள்ளிரவுக்கு முந்தையது; கடிகார நேரம் 0:00 முதல் 23:59 வரை."},
    {"%1 is past the end of the day; clock times run from 0:00 to 23:59.",
     "%1 दिन के अंत के बाद है; घड़ी का समय 0:00 से 23:59 तक होता है।",
     "%1 நாளின் முடிவுக்குப் பிந்தையது; கடிகார நேரம் 0:00 முதல் 23:59 வரை."},
    {"%1 hours is more than 16 hours from Greenwich, which no clock has been.",
     "%1 घंटे ग्रीनविच से 16 घंटे से अधिक है; कोई घड़ी कभी इतनी दूर नहीं रही।",
     "%1 மணி கிரீன்விச்சிலிருந்து 16 மணிக்கு மேல்; எந்தக் கடிகாரமும் அவ்வளவு விலகியதில்லை."},
    {"%1 is beyond 180°; longitudes run from 180° West to 180° East.",
     "%1 180° से बाहर है; देशान्तर 180° पश्चिम से 180° पूर्व तक होते हैं।",
     "%1 180°-க்கு அப்பாற்பட்டது; தீர்க்கரேகைகள் 180° மேற்கு முதல் 180° கிழக்கு வரை."},
    {"%1 is beyond 90°; latitudes run from 90° South to 90° North.",
     "%1 90° से बाहर है; अक्षांश 90° दक्षिण से 90° उत्तर तक होते हैं।",
     "%1 90°-க்கு அப்பாற்பட்டது; அட்சரேகைகள் 90° தெற்கு முதல் 90° வடக்கு வரை."},
    {"A .jhd chart keeps the person's name as its file name: %1 will open as %2, not %3.",
     "चक्र की फ़ाइल व्यक्ति का नाम अपने फ़ाइल-नाम के रूप में ही रखती है: %1 %2 के रूप में खुलेगी, %3 के रूप में नहीं।",
     "கட்டக் கோப்பு நபரின் பெயரைத் தன் கோப்புப் பெயராகவே வைத்திருக்கும்: %1 %2 எனத் திறக்கும், %3 என அல்ல."},
    {"%1 holds the control character %2, which no place name holds.",
     "%1 में नियंत्रण वर्ण %2 है, जो किसी स्थान के नाम में नहीं होता।",
     "%1 இல் கட்டுப்பாட்டு எழுத்து %2 உள்ளது; எந்த இடப் பெயரிலும் அது இருக்காது."},
    {"a text with a line break cannot be written.", "पंक्ति-विराम वाला पाठ लिखा नहीं जा सकता।",
     "வரி முறிவு உள்ள உரையை எழுத முடியாது."},
    {"%1 holds a ^, which the file reads back as a blank.",
     "%1 में ^ है, जिसे फ़ाइल वापस पढ़ते समय रिक्त स्थान मानती है।",
     "%1 இல் ^ உள்ளது; கோப்பு அதை மீண்டும் படிக்கும்போது இடைவெளியாகக் கொள்ளும்."},
    {"The birth time %1 has seconds; a reading holds the clock time in whole minutes. Round it in the chart file, "
     "or give the time with --time.",
     "जन्म समय %1 में सेकंड हैं; कुण्डली घड़ी का समय पूरे मिनटों में रखती है। चक्र की फ़ाइल में इसे पूरे मिनट तक "
     "पूर्णांकित करें, या समय अलग से दें।",
     "பிறந்த நேரம் %1 இல் நொடிகள் உள்ளன; ஜாதகம் கடிகார நேரத்தை முழு நிமிடங்களில் வைத்திருக்கும். கட்டக் கோப்பில் "
     "அதை முழு நிமிடமாக்கவும், அல்லது நேரத்தைத் தனியாகக் கொடுக்கவும்."},
    // A reading file (.vela) that cannot be read or written, and why a reading needs one. A name
    // in quotes ("latitude") is the file's own key and stays as the file writes it.
    {"This file is not a reading of this program: it is not UTF-8 JSON (at byte %1).",
     "यह फ़ाइल इस प्रोग्राम की कुण्डली नहीं है: यह यूटीएफ-8 जेसन नहीं है (बाइट %1 पर)।",
     "இந்தக் கோப்பு இந்த நிரலின் ஜாதகம் அல்ல: இது யூடிஎஃப்-8 ஜேசான் அல்ல (பைட் %1 இல்)."},
    {"This file is not a reading of this program: it does not say %1.",
     "यह फ़ाइल इस प्रोग्राम की कुण्डली नहीं है: इसमें %1 नहीं लिखा है।",
     "இந்தக் கோப்பு இந்த நிரலின் ஜாதகம் அல்ல: அதில் %1 என்று இல்லை."},
    {"This reading was written by a newer version of the program (file version %1); this one reads version %2.",
     "यह कुण्डली प्रोग्राम के नए संस्करण ने लिखी थी (फ़ाइल संस्करण %1); यह संस्करण %2 पढ़ता है।",
     "இந்த ஜாதகம் நிரலின் புதிய பதிப்பால் எழுதப்பட்டது (கோப்புப் பதிப்பு %1); இது பதிப்பு %2 ஐப் படிக்கும்."},
    {"the field \"%1\" is missing", "फ़ील्ड \"%1\" नहीं है", "\"%1\" என்ற புலம் இல்லை"},
    {"the field \"%1\" is not a text", "फ़ील्ड \"%1\" पाठ नहीं है", "\"%1\" என்ற புலம் உரை அல்ல"},
    {"the field \"%1\" is too long", "फ़ील्ड \"%1\" बहुत लंबा है", "\"%1\" என்ற புலம் மிக நீளமானது"},
    {"the field \"%1\" is not a whole number from %2 to %3", "फ़ील्ड \"%1\" %2 से %3 तक की पूर्ण संख्या नहीं है",
     "\"%1\" என்ற புலம் %2 முதல் %3 வரையிலான முழு எண் அல்ல"},
    {"the field \"%1\" is not an object", "फ़ील्ड \"%1\" ऑब्जेक्ट नहीं है", "\"%1\" என்ற புலம் ஆப்ஜெக்ட் அல்ல"},
    {"the field \"%1\" is neither true nor false", "फ़ील्ड \"%1\" न सत्य है न असत्य",
     "\"%1\" என்ற புலம் உண்மையும் அல்ல, பொய்யும் அல்ல"},
    {"the field \"%1\" holds the control character %2, which no text of a reading holds",
     "फ़ील्ड \"%1\" में नियंत्रण वर्ण %2 है, जो कुण्डली के किसी पाठ में नहीं होता",
     "\"%1\" என்ற புலத்தில் கட்டுப்பாட்டு எழுத்து %2 உள்ளது; ஜாதகத்தின் எந்த உரையிலும் அது இருக்காது"},
    {"the field \"%1\" holds a number too large for any field",
     "फ़ील्ड \"%1\" में ऐसी संख्या है जो किसी भी फ़ील्ड के लिए बहुत बड़ी है",
     "\"%1\" என்ற புலத்தில் எந்தப் புலத்துக்கும் மிகப் பெரிய எண் உள்ளது"},
    {"the field \"%1\" is given twice in one place, and only one can hold",
     "फ़ील्ड \"%1\" एक ही स्थान पर दो बार दिया गया है, और केवल एक ही मान्य हो सकता है",
     "\"%1\" என்ற புலம் ஒரே இடத்தில் இருமுறை கொடுக்கப்பட்டுள்ளது; ஒன்று மட்டுமே செல்லும்"},
    {"the zone gives both a row and an offset; a zone is one or the other",
     "समय क्षेत्र में पंक्ति और अंतर दोनों दिए गए हैं; समय क्षेत्र इनमें से एक ही होता है",
     "நேர மண்டலம் வரிசை, வேறுபாடு இரண்டையும் தருகிறது; நேர மண்டலம் இவற்றில் ஒன்றே"},
    {"the latitude or longitude is not an object", "अक्षांश या देशान्तर ऑब्जेक्ट नहीं है",
     "அட்சரேகை அல்லது தீர்க்கரேகை ஆப்ஜெக்ட் அல்ல"},
    {"the direction of the %1 is neither %2 nor %3", "%1 की दिशा न %2 है न %3",
     "%1 இன் திசை %2 உம் அல்ல, %3 உம் அல்ல"},
    {"The %1 is not text in UTF-8, which a reading file holds.",
     "%1 यूटीएफ-8 में पाठ नहीं है, जैसा कुण्डली फ़ाइल रखती है।",
     "%1 யூடிஎஃப்-8 உரை அல்ல; ஜாதகக் கோப்பு அதையே வைத்திருக்கும்."},
    {"The %1 is %2 bytes long; a reading file holds at most %3 bytes of each text. Please shorten it.",
     "%1 %2 बाइट लंबा है; कुण्डली फ़ाइल प्रत्येक पाठ के अधिकतम %3 बाइट रखती है। कृपया इसे छोटा करें।",
     "%1 %2 பைட்கள் நீளம்; ஜாதகக் கோப்பு ஒவ்வொரு உரைக்கும் அதிகபட்சம் %3 பைட்டுகளே வைத்திருக்கும். அதைச் "
     "சுருக்கவும்."},
    {"The zone is an exact offset, which a .ved file cannot hold.",
     "समय क्षेत्र एक सटीक अंतर है, जिसे .ved फ़ाइल नहीं रख सकती।",
     "நேர மண்டலம் ஒரு துல்லியமான வேறுபாடு; அதை .ved கோப்பு வைத்திருக்க முடியாது."},
    {"The zone is not a row a .ved file can hold.", "समय क्षेत्र ऐसी पंक्ति नहीं है जिसे .ved फ़ाइल रख सके।",
     "நேர மண்டலம் .ved கோப்பு வைத்திருக்கக்கூடிய வரிசை அல்ல."},
    {"The place is given to the second, which a .ved file cannot hold.",
     "स्थान विकला तक दिया गया है, जिसे .ved फ़ाइल नहीं रख सकती।",
     "இடம் விகலை வரை கொடுக்கப்பட்டுள்ளது; அதை .ved கோப்பு வைத்திருக்க முடியாது."},
    {"The %1 is longer than a .ved file holds.", "%1 उससे लंबा है जितना .ved फ़ाइल रखती है।",
     "%1 .ved கோப்பு வைத்திருப்பதை விட நீளமானது."},
    {"The %1 has the letter %2, which a .ved file cannot hold.", "%1 में अक्षर %2 है, जिसे .ved फ़ाइल नहीं रख सकती।",
     "%1 இல் %2 என்ற எழுத்து உள்ளது; அதை .ved கோப்பு வைத்திருக்க முடியாது."},
    {"The %1 has letters a .ved file cannot hold.", "%1 में ऐसे अक्षर हैं जिन्हें .ved फ़ाइल नहीं रख सकती।",
     "%1 இல் .ved கோப்பு வைத்திருக்க முடியாத எழுத்துகள் உள்ளன."},
    {"name", "नाम", "பெயர்"},
    {"state", "राज्य", "மாநிலம்"},
    {"country", "देश", "நாடு"},
    {"%1 could not be opened for reading.", "%1 पढ़ने के लिए खोली नहीं जा सकी।", "%1 ஐப் படிப்பதற்குத் திறக்க முடியவில்லை."},
    {"%1 could not be read.", "%1 पढ़ी नहीं जा सकी।", "%1 ஐப் படிக்க முடியவில்லை."},
    {"%1 could not be opened for reading: %2.", "%1 पढ़ने के लिए खोली नहीं जा सकी: %2।",
     "%1 ஐப் படிப்பதற்குத் திறக்க முடியவில்லை: %2."},
    {"No file name was given.", "कोई फ़ाइल नाम नहीं दिया गया।", "கோப்புப் பெயர் கொடுக்கப்படவில்லை."},
    {"The file %1 does not exist.", "फ़ाइल %1 मौजूद नहीं है।", "%1 என்ற கோப்பு இல்லை."},
    {"The file %1 is empty.", "फ़ाइल %1 खाली है।", "%1 என்ற கோப்பு காலியாக உள்ளது."},
    {"%1 could not be read: %2.", "%1 पढ़ी नहीं जा सकी: %2।", "%1 ஐப் படிக்க முடியவில்லை: %2."},
    {"%1 is a folder, not a file.", "%1 एक फ़ोल्डर है, फ़ाइल नहीं।", "%1 ஒரு கோப்புறை, கோப்பு அல்ல."},
    {"%1 is not an ordinary file.", "%1 साधारण फ़ाइल नहीं है।", "%1 சாதாரணக் கோப்பு அல்ல."},
    {"%1 is write-protected; it was left as it was.", "%1 लेखन से सुरक्षित है; उसे वैसा ही छोड़ा गया।",
     "%1 எழுதுவதிலிருந்து பாதுகாக்கப்பட்டுள்ளது; அது அப்படியே விடப்பட்டது."},
    {"%1 could not be opened for writing: %2.", "%1 लिखने के लिए खोली नहीं जा सकी: %2।",
     "%1 ஐ எழுதுவதற்குத் திறக்க முடியவில்லை: %2."},
    {"%1 could not be replaced: %2.", "%1 बदली नहीं जा सकी: %2।", "%1 ஐ மாற்றி வைக்க முடியவில்லை: %2."},
    {"No file could be created in the folder %1: %2.", "फ़ोल्डर %1 में कोई फ़ाइल नहीं बनाई जा सकी: %2।",
     "%1 கோப்புறையில் கோப்பு எதையும் உருவாக்க முடியவில்லை: %2."},
    {"This reading cannot be opened: %1.", "यह कुण्डली खोली नहीं जा सकती: %1।", "இந்த ஜாதகத்தைத் திறக்க முடியாது: %1."},
    {"%1 does not exist.", "%1 मौजूद नहीं है।", "%1 இல்லை."},
    {"%1 is not a regular file.", "%1 साधारण फ़ाइल नहीं है।", "%1 சாதாரணக் கோப்பு அல்ல."},
    {"%1 is too large to be a reading.", "%1 कुण्डली होने के लिए बहुत बड़ी है।",
     "%1 ஒரு ஜாதகமாக இருக்க மிகப் பெரியது."},
    {"The output %1 is the reading %2 itself; it was not overwritten.",
     "आउटपुट %1 स्वयं कुण्डली %2 है; उसे बदला नहीं गया।",
     "வெளியீடு %1 என்பது ஜாதகம் %2 தானே; அது மேலெழுதப்படவில்லை."},
    {"The outputs %1 and %2 are the same file; give each its own name.",
     "आउटपुट %1 और %2 एक ही फ़ाइल हैं; प्रत्येक को अपना नाम दें।",
     "வெளியீடுகள் %1, %2 ஒரே கோப்பு; ஒவ்வொன்றுக்கும் தனிப் பெயர் கொடுக்கவும்."},
    // The Compare tab's notes on what sets the profiles apart for a birth (reading/convention_grid).
    {"The birth is within %1 minutes of sunrise or sunset, where the profiles' sunrises differ: a day birth under "
     "%2, a night birth under %3.",
     "जन्म सूर्योदय या सूर्यास्त के %1 मिनट के भीतर है, जहाँ पद्धतियों के सूर्योदय अलग हैं: %2 में दिन का जन्म, %3 में "
     "रात्रि का जन्म।",
     "பிறப்பு சூரிய உதயம் அல்லது அஸ்தமனத்திலிருந்து %1 நிமிடங்களுக்குள்; அங்கே முறைகளின் சூரிய உதயங்கள் "
     "வேறுபடுகின்றன: %2 இல் பகல் பிறப்பு, %3 இல் இரவுப் பிறப்பு."},
    {"Under %1, unlike original: %2.", "%1 में, मूल से भिन्न: %2।", "%1 முறையில், அசல் முறையிலிருந்து வேறுபாடு: %2."},
    {"Under %1: %2.", "%1 में: %2।", "%1 முறையில்: %2."},
    {"%1 rises within %2 minutes of a sign change (%3 to %4): a small shift of its moment moves it to the other sign.",
     "%1 राशि बदलने के %2 मिनट के भीतर उदित होता है (%3 से %4): उसके क्षण में थोड़ा-सा अंतर उसे दूसरी राशि में ले "
     "जाता है।",
     "%1 ராசி மாறுவதிலிருந்து %2 நிமிடங்களுக்குள் உதிக்கிறது (%3 இலிருந்து %4): அதன் நேரத்தில் சிறு மாற்றம் அதை "
     "மற்ற ராசிக்கு நகர்த்தும்."},
    // The system's reasons most often met (std::generic_category's texts).
    {"No such file or directory", "ऐसी कोई फ़ाइल या फ़ोल्डर नहीं है", "அத்தகைய கோப்போ கோப்புறையோ இல்லை"},
    {"Permission denied", "अनुमति नहीं है", "அனுமதி மறுக்கப்பட்டது"},
    {"No space left on device", "डिस्क पर जगह नहीं बची", "வட்டில் இடம் இல்லை"},
    {"Read-only file system", "फ़ाइल तंत्र केवल पढ़ने के लिए है", "கோப்பு முறைமை படிப்பதற்கு மட்டும்"},
    {"Is a directory", "यह एक फ़ोल्डर है", "இது ஒரு கோப்புறை"},
    {"Disk quota exceeded", "डिस्क कोटा समाप्त हो गया", "வட்டு ஒதுக்கீடு தீர்ந்தது"},
};

// The parts the notes above are made of, found only inside a message, never as a message of their
// own (a list's "and" would otherwise half translate any sentence that holds one).
constexpr TranslatedText kParts[] = {
    {"%1 (the lords of the portions differ)", "%1 (भागों के स्वामी अलग हैं)", "%1 (பாகங்களின் அதிபதிகள் வேறு)"},
    {"%1 (the ghati rule counts the whole day or night)", "%1 (घटी का नियम पूरे दिन या पूरी रात्रि से गिनता है)",
     "%1 (நாழிகை விதி முழுப் பகலையோ இரவையோ கணக்கிடுகிறது)"},
    {"%1; %2", "%1; %2", "%1; %2"},
    {"%1 from the %2 portion, not the %3", "%1: %2 भाग (%3 नहीं)", "%1 %2 பாகத்திலிருந்து, %3 இலிருந்து அல்ல"},
    {"%1 and %2", "%1 और %2", "%1 மற்றும் %2"},
};

// clang-format on

std::string_view LocalOf(const TranslatedText& entry, Language language) {
    switch (language) {
        case Language::Hindi:
            return entry.hindi;
        case Language::Tamil:
            return entry.tamil;
        case Language::English:
            break;
    }
    return entry.english;
}

// The text with %1 .. %9 replaced by args.
std::string Fill(std::string_view text, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(text.size() + 32);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto k = static_cast<std::size_t>(text[i + 1] - '1');
            if (k < args.size()) out += *(args.begin() + k);
            ++i;
            continue;
        }
        out += text[i];
    }
    return out;
}

using Captures = std::array<std::string_view, 9>;

// True when text is pattern with each %k standing for a piece of text (at least one byte), the
// pieces in captures; the shortest piece that lets the rest match is taken.
bool Match(std::string_view text, std::string_view pattern, Captures& captures) {
    while (!pattern.empty()) {
        if (pattern.size() >= 2 && pattern[0] == '%' && pattern[1] >= '1' && pattern[1] <= '9') {
            const auto k = static_cast<std::size_t>(pattern[1] - '1');
            const std::string_view rest = pattern.substr(2);
            for (std::size_t n = 1; n <= text.size(); ++n) {
                captures[k] = text.substr(0, n);
                if (Match(text.substr(n), rest, captures)) return true;
            }
            return false;
        }
        if (text.empty() || text.front() != pattern.front()) return false;
        text.remove_prefix(1);
        pattern.remove_prefix(1);
    }
    return text.empty();
}

bool HasPlaceholder(std::string_view text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') return true;
    return false;
}

// Messages nest (a lead, then the reason, which may carry the system's reason; a note, its list,
// each item of the list): a few levels are all the program writes.
constexpr int kMaxNesting = 8;

// True for a text in double quotes with none inside, as astro::QuotedForMessage writes a name.
bool IsQuoted(std::string_view text) {
    return text.size() >= 2 && text.front() == '"' && text.back() == '"' &&
           text.substr(1, text.size() - 2).find('"') == std::string_view::npos;
}

// A name of an upagraha or a sign, as a part of a message writes it, in the language; empty for
// any other text.
std::string_view NameIn(std::string_view english, Language language) {
    for (std::size_t i = 0; i < upagraha::kUpagrahaNames.size(); ++i)
        if (upagraha::kUpagrahaNames[i] == english) return upagraha::UpagrahaName(static_cast<int>(i), language);
    for (std::size_t i = 0; i < upagraha::kSignNames.size(); ++i)
        if (upagraha::kSignNames[i] == english) return upagraha::SignName(static_cast<int>(i), language);
    return {};
}

std::string MessageAt(std::string_view english, Language language, int depth) {
    for (const TranslatedText& entry : kMessages)
        if (entry.english == english) return std::string(LocalOf(entry, language));
    if (depth > 0) {
        if (const std::string_view name = NameIn(english, language); !name.empty()) return std::string(name);
        // Inside a message, the phrases the header and the working are built of (the axes of a
        // profile the comparison's notes name) are found too.
        for (const TranslatedText& entry : kPhrases)
            if (entry.english == english) return std::string(LocalOf(entry, language));
    }
    if (depth >= kMaxNesting) return std::string(english);
    for (const std::span<const TranslatedText> table :
         {std::span<const TranslatedText>(kMessages), std::span<const TranslatedText>(kParts),
          std::span<const TranslatedText>(kPhrases)}) {
        if (depth == 0 && table.data() != kMessages) break;
        for (const TranslatedText& entry : table) {
            if (!HasPlaceholder(entry.english)) continue;
            Captures captures{};
            if (!Match(english, entry.english, captures)) continue;
            std::array<std::string, 9> local;
            for (std::size_t k = 0; k < captures.size(); ++k) {
                if (captures[k].empty()) continue;
                // A part in double quotes (a file's name, "latitude") is a file's own word and stays
                // as it is, whatever words it holds.
                const char quoted[] = {'"', '%', static_cast<char>('1' + k), '"', '\0'};
                local[k] = entry.english.find(quoted) != std::string_view::npos || IsQuoted(captures[k])
                               ? std::string(captures[k])
                               : MessageAt(captures[k], language, depth + 1);
            }
            return Fill(LocalOf(entry, language),
                        {local[0], local[1], local[2], local[3], local[4], local[5], local[6], local[7], local[8]});
        }
    }
    return std::string(english);
}

// Code points that take no column of their own: combining marks of Devanagari and Tamil, and the
// zero-width joiners.
bool TakesNoColumn(char32_t c) {
    if (c >= 0x0900 && c <= 0x0903) return true;
    if (c >= 0x093A && c <= 0x094F && c != 0x093D) return true;
    if (c >= 0x0951 && c <= 0x0957) return true;
    if (c == 0x0962 || c == 0x0963) return true;
    if (c == 0x0B82) return true;
    if (c >= 0x0BBE && c <= 0x0BCD) return true;
    if (c == 0x0BD7) return true;
    return c == 0x200C || c == 0x200D;
}

}  // namespace

std::string Say(std::string_view english, Language language, std::initializer_list<std::string_view> args) {
    if (language != Language::English) {
        for (const TranslatedText& entry : kPhrases)
            if (entry.english == english) return Fill(LocalOf(entry, language), args);
        for (const TranslatedText& entry : kMessages)
            if (entry.english == english) return Fill(LocalOf(entry, language), args);
    }
    return Fill(english, args);
}

std::string SayFrom(std::span<const TranslatedText> table, std::string_view english, Language language,
                    std::initializer_list<std::string_view> args) {
    if (language != Language::English)
        for (const TranslatedText& entry : table)
            if (entry.english == english) return Fill(LocalOf(entry, language), args);
    return Fill(english, args);
}

std::string MessageIn(std::string_view english, Language language) {
    if (language == Language::English) return std::string(english);
    return MessageAt(english, language, 0);
}

std::size_t DisplayWidth(std::string_view text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        char32_t c = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        if (!TakesNoColumn(c)) ++width;
        i += length;
    }
    return width;
}

void AppendColumn(std::string& out, std::string_view text, std::size_t width, bool rightAligned) {
    const std::size_t taken = DisplayWidth(text);
    const std::size_t blanks = width > taken ? width - taken : 0;
    if (rightAligned) out.append(blanks, ' ');
    out += text;
    if (!rightAligned) out.append(blanks, ' ');
}

std::string DateText(int day, int month, int year, Language language) {
    std::string_view name = upagraha::MonthName(month - 1, language);
    if (name.empty() && month >= 1 && month <= 12) name = kMonthNames[static_cast<std::size_t>(month - 1)];
    return std::to_string(day) + " " + std::string(name) + " " + std::to_string(year);
}

std::size_t TranslatedTextCount() { return std::size(kPhrases) + std::size(kMessages) + std::size(kParts); }

TranslatedText TranslatedTextAt(std::size_t index) {
    if (index < std::size(kPhrases)) return kPhrases[index];
    index -= std::size(kPhrases);
    if (index < std::size(kMessages)) return kMessages[index];
    index -= std::size(kMessages);
    return index < std::size(kParts) ? kParts[index] : TranslatedText{};
}

}  // namespace vela::reading

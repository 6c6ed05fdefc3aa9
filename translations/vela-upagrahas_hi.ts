<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>BirthDataPanel</name>
    <message>
        <source>Personal Details</source>
        <translation>व्यक्तिगत विवरण</translation>
    </message>
    <message>
        <source>Upagraha means confinement or seizure. They stand for inferior thoughts that can eclipse our mind. These are also known as shadow planets. They do not have a body of their own similar to Rahu and Ketu. Upagrahas support or act as an obstacle in relation to other planetary energies. They are calculated based on the Sun&apos;s longitude. Upagrahas are invisible and are felt only by their effects.</source>
        <translation>उपग्रह का अर्थ है बन्धन या ग्रहण। ये उन हीन विचारों के प्रतीक हैं जो हमारे मन को ग्रस सकते हैं। इन्हें छाया ग्रह भी कहा जाता है। राहु और केतु की भाँति इनका अपना कोई शरीर नहीं होता। उपग्रह अन्य ग्रहों की ऊर्जाओं के सम्बन्ध में सहायक या बाधक बनते हैं। इनकी गणना सूर्य के भोगांश के आधार पर की जाती है। उपग्रह अदृश्य हैं और केवल अपने प्रभावों से ही अनुभव किए जाते हैं।</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>जन्म दिनांक</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>जन्म समय</translation>
    </message>
    <message>
        <source>HH/MM</source>
        <translation>घं/मि</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>डेलाइट सेविंग समय</translation>
    </message>
    <message>
        <source>&amp;Use this zone</source>
        <translation>यह क्षेत्र अपनाएँ (&amp;U)</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <translation>अंश/कला</translation>
    </message>
    <message>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशान्तर</translation>
    </message>
    <message>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>City</source>
        <translation>नगर</translation>
    </message>
    <message>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>देश</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश &amp;&amp; देशान्तर जानने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>&amp;Get My Upagrahas</source>
        <translation>मेरे उपग्रह निकालें (&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>पहले सहेजी गई कुण्डली खोलें (&amp;O)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Vela Upagrahas</source>
        <translation>Vela Upagrahas</translation>
    </message>
    <message>
        <source>Brand this software as your own</source>
        <translation>इस सॉफ़्टवेयर को अपने ब्रांड से जारी करें</translation>
    </message>
    <message>
        <source>Make money online</source>
        <translation>ऑनलाइन पैसे कमाएँ</translation>
    </message>
    <message>
        <source>Co-brand this software</source>
        <translation>इस सॉफ़्टवेयर पर अपना ब्रांड भी जोड़ें</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New Reading</source>
        <translation>नई कुण्डली (&amp;N)</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open Reading...</source>
        <translation>कुण्डली खोलें... (&amp;O)</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save Reading...</source>
        <translation>कुण्डली सहेजें... (&amp;S)</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>छापें... (&amp;P)</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>PDF निर्यात करें... (&amp;D)</translation>
    </message>
    <message>
        <source>Export &amp;Chart Image...</source>
        <translation>चक्र का चित्र निर्यात करें... (&amp;C)</translation>
    </message>
    <message>
        <source>Get My &amp;Rasi Chart</source>
        <translation>मेरा राशि चक्र देखें (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>बाहर निकलें (&amp;E)</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट देखें (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर अद्यतन जाँचें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>दान करें</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन पैसे कमाएँ (&amp;O)</translation>
    </message>
    <message>
        <source>Calculates the reading of the form and shows it with its rasi chart, as Get My Upagrahas does</source>
        <translation>प्रपत्र की कुण्डली की गणना करके उसे राशि चक्र के साथ दिखाता है, जैसे &quot;मेरे उपग्रह निकालें&quot; करता है</translation>
    </message>
</context>
<context>
    <name>ResultView</name>
    <message>
        <source>Vela Upagrahas Result</source>
        <translation>Vela Upagrahas परिणाम</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>विवरण (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>सारणी (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Working</source>
        <translation>गणना (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>वापस (&amp;B)</translation>
    </message>
    <message>
        <source>Ch&amp;art</source>
        <translation>चक्र (&amp;A)</translation>
    </message>
    <message>
        <source>Cop&amp;y Table</source>
        <translation>सारणी की प्रति बनाएँ (&amp;Y)</translation>
    </message>
</context>
<context>
    <name>vela::desktop::AboutDialog</name>
    <message>
        <source>&lt;p&gt;A calculator for Vedic (sidereal) astrology. From the date, time and place of birth it works out the sidereal ascendant, the sunrise and sunset around the birth day, and the six time-based upagrahas (shadow planets): Kaala, Mrityu, Arthaprahaara, Yamaghantaka, Gulika and Maandi, each with its longitude, its house from the ascendant and an interpretation.&lt;/p&gt;&lt;p&gt;Every calculation runs on this computer; no data leaves it and nothing is stored unless you save a reading.&lt;/p&gt;&lt;p&gt;Licence: free software under the MIT License.&lt;br&gt;Credits: the Vela Upagrahas developers. Built with the Qt toolkit (LGPL 3) and, for the offline atlas, libgeonames (GPL 3) with place data from GeoNames (CC BY 4.0); linked with libgeonames, this desktop program as a whole is distributed under the GPL 3. Text set in Verdana or DejaVu Sans.&lt;/p&gt;</source>
        <translation>&lt;p&gt;वैदिक (निरयण) ज्योतिष का एक गणक। जन्म के दिनांक, समय और स्थान से यह निरयण लग्न, जन्म के दिन के आसपास का सूर्योदय और सूर्यास्त, तथा समय पर आधारित छह उपग्रह (छाया ग्रह) निकालता है: काल, मृत्यु, अर्धप्रहर, यमघण्टक, गुलिक और मान्दि, प्रत्येक का भोगांश, लग्न से उसका भाव और उसका फल।&lt;/p&gt;&lt;p&gt;सारी गणना इसी कंप्यूटर पर होती है; कोई जानकारी बाहर नहीं जाती और जब तक आप कुण्डली न सहेजें, कुछ भी संग्रहीत नहीं होता।&lt;/p&gt;&lt;p&gt;लाइसेंस: MIT License के अन्तर्गत मुक्त सॉफ़्टवेयर।&lt;br&gt;श्रेय: Vela Upagrahas के विकासकर्ता। Qt toolkit (LGPL 3) से निर्मित, और ऑफ़लाइन एटलस के लिए libgeonames (GPL 3) तथा GeoNames (CC BY 4.0) के स्थान-आँकड़ों के साथ; libgeonames से जुड़ा होने के कारण यह डेस्कटॉप प्रोग्राम समग्र रूप से GPL 3 के अन्तर्गत वितरित है। पाठ Verdana या DejaVu Sans में।&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Vela Upagrahas</source>
        <translation>Vela Upagrahas के बारे में</translation>
    </message>
    <message>
        <source>&lt;p&gt;The precise positions come from the Swiss Ephemeris (AGPL 3): linked with it, this program is distributed under the GNU Affero General Public License 3. Its source stays under the MIT License.&lt;/p&gt;</source>
        <translation>&lt;p&gt;सूक्ष्म स्थितियाँ Swiss Ephemeris (AGPL 3) से आती हैं: उससे जुड़ा होने के कारण यह प्रोग्राम GNU Affero General Public License 3 के अन्तर्गत वितरित है। इसका स्रोत कोड MIT License के अन्तर्गत ही रहता है।&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>vela::desktop::BirthDataPanel</name>
    <message>
        <source>The atlas places %1 %2 km from these coordinates: please check the city or the coordinates.</source>
        <translation>एटलस %1 को इन निर्देशांकों से %2 कि.मी. दूर बताता है: कृपया नगर या निर्देशांक जाँचें।</translation>
    </message>
    <message>
        <source>The offset East of Greenwich, +HH:MM or +HH:MM:SS (- for West)</source>
        <translation>ग्रीनविच से पूर्व की ओर का अंतर, +घं:मि या +घं:मि:से (पश्चिम के लिए -)</translation>
    </message>
    <message>
        <source>Seconds of arc, 0 to 59; may stay empty</source>
        <translation>विकला, 0 से 59 तक; खाली छोड़ी जा सकती है</translation>
    </message>
    <message>
        <source>or ghatis</source>
        <translation>या घटी</translation>
    </message>
    <message>
        <source>Ghatis and palas after the birth day&apos;s sunrise, such as 9.38 (1 ghati = 24 minutes, 1 pala = 24 seconds)</source>
        <translation>जन्म के दिन के सूर्योदय के बाद की घटी और पल, जैसे 9.38 (1 घटी = 24 मिनट, 1 पल = 24 सेकंड)</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>समय भरें</translation>
    </message>
    <message>
        <source>Another offset (±HH:MM:SS)</source>
        <translation>अन्य अंतर (±घं:मि:से)</translation>
    </message>
    <message>
        <source>Please enter the ghatis and palas after sunrise as GG.PP, each from 0 to 59 (9.38 is 9 ghatis 38 palas).</source>
        <translation>कृपया सूर्योदय के बाद की घटी और पल घटी.पल के रूप में भरें, दोनों 0 से 59 तक (9.38 अर्थात 9 घटी 38 पल)।</translation>
    </message>
    <message>
        <source>%1 ghatis %2 palas after sunrise (%3): %4 on the clock%5, set as %6:%7.</source>
        <translation>सूर्योदय (%3) के बाद %1 घटी %2 पल: घड़ी में %4%5, समय %6:%7 भरा गया।</translation>
    </message>
    <message>
        <source> of the next day</source>
        <translation> (अगले दिन)</translation>
    </message>
</context>
<context>
    <name>vela::desktop::DayView</name>
    <message>
        <source>Day portions</source>
        <translation>दिन के भाग</translation>
    </message>
    <message>
        <source>Portion</source>
        <translation>भाग</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>स्वामी</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>समय</translation>
    </message>
    <message>
        <source>Sunrise %1, sunset %2, next sunrise %3</source>
        <translation>सूर्योदय %1, सूर्यास्त %2, अगला सूर्योदय %3</translation>
    </message>
    <message>
        <source>Rahu Kalam %1</source>
        <translation>राहु काल %1</translation>
    </message>
    <message>
        <source>Yamagandam %1</source>
        <translation>यमगण्ड %1</translation>
    </message>
    <message>
        <source>Gulika Kalam %1</source>
        <translation>गुलिक काल %1</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>दिन %1</translation>
    </message>
    <message>
        <source>Night %1</source>
        <translation>रात्रि %1</translation>
    </message>
    <message>
        <source>now</source>
        <translation>अभी</translation>
    </message>
    <message>
        <source>Rahu Kalam, Yamagandam and Gulika Kalam, %1</source>
        <translation>राहु काल, यमगण्ड और गुलिक काल, %1</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>स्थान: %1</translation>
    </message>
    <message>
        <source>Profile: %1 (%2)</source>
        <translation>पद्धति: %1 (%2)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>दिनांक</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>वार</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>सूर्योदय</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>सूर्यास्त</translation>
    </message>
    <message>
        <source>Rahu Kalam</source>
        <translation>राहु काल</translation>
    </message>
    <message>
        <source>Yamagandam</source>
        <translation>यमगण्ड</translation>
    </message>
    <message>
        <source>Gulika Kalam</source>
        <translation>गुलिक काल</translation>
    </message>
    <message>
        <source>From %1 the clocks keep daylight saving.</source>
        <translation>%1 से घड़ियाँ ग्रीष्मकालीन समय पर चलती हैं।</translation>
    </message>
    <message>
        <source>From %1 the clocks keep standard time.</source>
        <translation>%1 से घड़ियाँ मानक समय पर चलती हैं।</translation>
    </message>
    <message>
        <source>%1 was written, but the disk did not confirm it: %2.</source>
        <translation>%1 लिखी गई, पर डिस्क ने इसकी पुष्टि नहीं की: %2।</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>पृष्ठ बनाया नहीं जा सका।</translation>
    </message>
    <message>
        <source>Show the &amp;choghadiyas</source>
        <translation>चौघड़िया दिखाएँ (&amp;C)</translation>
    </message>
    <message>
        <source>Choghadiya</source>
        <translation>चौघड़िया</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>&amp;Day</source>
        <translation>दिन (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>छापें... (&amp;P)</translation>
    </message>
    <message>
        <source>Export PD&amp;F...</source>
        <translation>PDF निर्यात करें... (&amp;F)</translation>
    </message>
    <message>
        <source>Export C&amp;SV...</source>
        <translation>CSV निर्यात करें... (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <translation>महीना (&amp;M)</translation>
    </message>
    <message>
        <source>Daylight saving on this day, as the zone history of %1 has it</source>
        <translation>%1 के समय क्षेत्र के इतिहास के अनुसार इस दिन ग्रीष्मकालीन समय लागू है</translation>
    </message>
    <message>
        <source>No daylight saving on this day, as the zone history of %1 has it</source>
        <translation>%1 के समय क्षेत्र के इतिहास के अनुसार इस दिन ग्रीष्मकालीन समय लागू नहीं है</translation>
    </message>
    <message>
        <source>The month could not be printed.</source>
        <translation>महीना छापा नहीं जा सका।</translation>
    </message>
    <message>
        <source>Export the month as PDF</source>
        <translation>महीने को PDF के रूप में निर्यात करें</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF फ़ाइलें (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF was not written: %1</source>
        <translation>PDF नहीं लिखी गई: %1</translation>
    </message>
    <message>
        <source>Export the month as CSV</source>
        <translation>महीने को CSV के रूप में निर्यात करें</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV फ़ाइलें (*.csv)</translation>
    </message>
    <message>
        <source>The CSV was not written: %1</source>
        <translation>CSV नहीं लिखी गई: %1</translation>
    </message>
    <message>
        <source>Daylight sa&amp;ving on the days shown</source>
        <translation>दिखाए गए दिनों में ग्रीष्मकालीन समय (&amp;V)</translation>
    </message>
    <message>
        <source>Sunrise %1, sunset %2; no sunrise follows, so the night has no portions</source>
        <translation>सूर्योदय %1, सूर्यास्त %2; इसके बाद सूर्योदय नहीं होता, इसलिए रात्रि के भाग नहीं हैं</translation>
    </message>
    <message>
        <source>The clock shown: the zone, %1, with daylight saving (one hour ahead); no zone history is known for this place, so the box above sets it.</source>
        <translation>दिखाई गई घड़ी: समय क्षेत्र %1, ग्रीष्मकालीन समय सहित (एक घंटा आगे); इस स्थान के समय क्षेत्र का इतिहास ज्ञात नहीं है, इसलिए ऊपर का बॉक्स इसे तय करता है।</translation>
    </message>
    <message>
        <source>The clock shown: the zone, %1, without daylight saving; no zone history is known for this place, so the box above sets it.</source>
        <translation>दिखाई गई घड़ी: समय क्षेत्र %1, ग्रीष्मकालीन समय के बिना; इस स्थान के समय क्षेत्र का इतिहास ज्ञात नहीं है, इसलिए ऊपर का बॉक्स इसे तय करता है।</translation>
    </message>
</context>
<context>
    <name>vela::desktop::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>%1 सहायता</translation>
    </message>
</context>
<context>
    <name>vela::desktop::MainWindow</name>
    <message>
        <source>%1 is read-only.
Please choose another name.</source>
        <translation>%1 केवल पढ़ने के लिए है।
कृपया कोई दूसरा नाम चुनें।</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>कुण्डली</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF निर्यात करें</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF दस्तावेज़ (*.pdf)</translation>
    </message>
    <message>
        <source>Export Chart Image</source>
        <translation>चक्र का चित्र निर्यात करें</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG image (*.svg)</source>
        <translation>PNG चित्र (*.png);;SVG चित्र (*.svg)</translation>
    </message>
    <message>
        <source>The reading on the form has not been saved.
Do you want to save it?</source>
        <translation>प्रपत्र पर भरी कुण्डली सहेजी नहीं गई है।
क्या आप इसे सहेजना चाहते हैं?</translation>
    </message>
    <message>
        <source>Vela Upagrahas (*.ved)</source>
        <translation>Vela Upagrahas (*.ved)</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>स्रोत फ़ाइल चुनें</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>भाषा (&amp;L)</translation>
    </message>
    <message>
        <source>The catalogue of %1 was not found; the window stays as it is.</source>
        <translation>%1 की अनुवाद-सूची नहीं मिली; विण्डो जैसी है वैसी ही रहेगी।</translation>
    </message>
    <message>
        <source>Da&amp;y Portions...</source>
        <translation>दिन के भाग... (&amp;Y)</translation>
    </message>
    <message>
        <source>Vela reading, any script (*.vela)</source>
        <translation>Vela कुण्डली, किसी भी लिपि में (*.vela)</translation>
    </message>
    <message>
        <source>JHD chart (*.jhd)</source>
        <translation>JHD चक्र (*.jhd)</translation>
    </message>
    <message>
        <source>Readings and charts (*.ved *.vela *.jhd)</source>
        <translation>कुण्डलियाँ और चक्र (*.ved *.vela *.jhd)</translation>
    </message>
    <message>
        <source>This reading was saved under the profile &quot;%1&quot;; it is read under &quot;%2&quot;, the profile chosen in the Conventions menu.</source>
        <translation>यह कुण्डली &quot;%1&quot; पद्धति से सहेजी गई थी; इसे &quot;%2&quot; से पढ़ा जा रहा है, जो परिपाटी मेनू में चुनी गई पद्धति है।</translation>
    </message>
    <message>
        <source>Saved as .vela: %1</source>
        <translation>.vela के रूप में सहेजी जाएगी: %1</translation>
    </message>
</context>
<context>
    <name>vela::desktop::ProfileChoice</name>
    <message>
        <source>&amp;Conventions</source>
        <translation>परिपाटी (&amp;C)</translation>
    </message>
    <message>
        <source>C&amp;ustom...</source>
        <translation>अपनी पसन्द... (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Include the comparison of profiles in print</source>
        <translation>छपाई में पद्धतियों की तुलना जोड़ें (&amp;I)</translation>
    </message>
    <message>
        <source>The printed reading and the PDF end with the grid of the upagrahas under every profile.</source>
        <translation>छपी कुण्डली और PDF के अंत में हर पद्धति के अनुसार उपग्रहों की तालिका रहती है।</translation>
    </message>
</context>
<context>
    <name>vela::desktop::ProfileDialog</name>
    <message>
        <source>Custom Profile</source>
        <translation>अपनी पसन्द की गणना-विधि</translation>
    </message>
    <message>
        <source>&amp;Lords of the portions</source>
        <translation>भागों के स्वामी (&amp;L)</translation>
    </message>
    <message>
        <source>%1 at the</source>
        <translation>%1 का बिन्दु</translation>
    </message>
    <message>
        <source>&amp;Sunrise</source>
        <translation>सूर्योदय (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Vyatipata</source>
        <translation>व्यतीपात (&amp;V)</translation>
    </message>
    <message>
        <source>the original&apos;s formulas</source>
        <translation>मूल प्रोग्राम के सूत्र</translation>
    </message>
    <message>
        <source>the precise ephemeris</source>
        <translation>सूक्ष्म पंचांग</translation>
    </message>
    <message>
        <source>&amp;Ephemeris</source>
        <translation>पंचांग (&amp;E)</translation>
    </message>
    <message>
        <source>the original&apos;s</source>
        <translation>मूल प्रोग्राम का</translation>
    </message>
    <message>
        <source>Lahiri&apos;s</source>
        <translation>लाहिड़ी का</translation>
    </message>
    <message>
        <source>A&amp;yanamsa</source>
        <translation>अयनांश (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Hora</source>
        <translation>होरा (&amp;H)</translation>
    </message>
    <message>
        <source>Parashara&apos;s: the Sun&apos;s half and the Moon&apos;s</source>
        <translation>पराशर की: सूर्य का आधा और चंद्रमा का</translation>
    </message>
    <message>
        <source>cyclic: counted on from Aries</source>
        <translation>चक्रीय: मेष से आगे गिनी गई</translation>
    </message>
    <message>
        <source>&amp;Drekkana</source>
        <translation>द्रेष्काण (&amp;D)</translation>
    </message>
    <message>
        <source>Parashara&apos;s: the sign, its 5th and its 9th</source>
        <translation>पराशर का: राशि, उससे पाँचवीं और नौवीं</translation>
    </message>
    <message>
        <source>Jagannatha&apos;s: the triplicity from its movable sign</source>
        <translation>जगन्नाथ का: त्रिकोण की चर राशि से</translation>
    </message>
    <message>
        <source>&amp;Trimsamsa</source>
        <translation>त्रिंशांश (&amp;T)</translation>
    </message>
    <message>
        <source>Parashara&apos;s: five unequal parts</source>
        <translation>पराशर का: पाँच असमान भाग</translation>
    </message>
    <message>
        <source>Parashara&apos;s</source>
        <translation>पराशर</translation>
    </message>
    <message>
        <source>cyclic</source>
        <translation>चक्रीय</translation>
    </message>
    <message>
        <source>Jagannatha&apos;s</source>
        <translation>जगन्नाथ</translation>
    </message>
</context>
<context>
    <name>vela::desktop::ReadingPrint</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>पृष्ठ %1 / %2</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>विवरण</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>गणना</translation>
    </message>
    <message>
        <source>The PDF could not be written:</source>
        <translation>PDF लिखी नहीं जा सकी:</translation>
    </message>
    <message>
        <source>The chart image could not be written:</source>
        <translation>चक्र का चित्र लिखा नहीं जा सका:</translation>
    </message>
</context>
<context>
    <name>vela::desktop::ResultView</name>
    <message>
        <source>South Indian</source>
        <translation>दक्षिण भारतीय</translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation>उत्तर भारतीय</translation>
    </message>
    <message>
        <source>Chart style</source>
        <translation>चक्र की शैली</translation>
    </message>
    <message>
        <source>%1 ghatis</source>
        <translation>%1 घटी</translation>
    </message>
    <message>
        <source>Com&amp;pare</source>
        <translation>तुलना (&amp;P)</translation>
    </message>
    <message>
        <source>Nothing in this birth sets the profiles apart beyond their own conventions: no sunrise or sunset close to the birth, no portion taken from another place, no upagraha near a sign change.</source>
        <translation>इस जन्म में पद्धतियों को उनकी अपनी परिपाटी के सिवा कुछ अलग नहीं करता: जन्म के निकट न सूर्योदय है न सूर्यास्त, कोई भाग दूसरे स्थान से नहीं लिया गया, कोई उपग्रह राशि-परिवर्तन के निकट नहीं।</translation>
    </message>
    <message>
        <source>%1 (in use)</source>
        <translation>%1 (प्रयुक्त)</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>अस्वीकृत</translation>
    </message>
    <message>
        <source>Differs from the profile in use</source>
        <translation>प्रयुक्त पद्धति से भिन्न</translation>
    </message>
    <message>
        <source>* differs from the profile in use (%1).</source>
        <translation>* प्रयुक्त पद्धति (%1) से भिन्न।</translation>
    </message>
    <message>
        <source>&amp;Vargas</source>
        <translation>वर्ग (&amp;V)</translation>
    </message>
</context>
<context>
    <name>vela::desktop::StartUp</name>
    <message>
        <source>Application is already running</source>
        <translation>प्रोग्राम पहले से चल रहा है</translation>
    </message>
    <message>
        <source>Application is already running, and the reading could not be handed to it:</source>
        <translation>प्रोग्राम पहले से चल रहा है, और कुण्डली उसे सौंपी नहीं जा सकी:</translation>
    </message>
    <message>
        <source>Vela Upagrahas: the six time-based upagrahas (Kaala, Mrityu, Arthaprahaara, Yamaghantaka,
Gulika, Maandi) of a birth, from its date, time, zone and place, in a window.
Readings without a window: vela-upagrahas-cli.</source>
        <translation>Vela Upagrahas: जन्म के दिनांक, समय, समय क्षेत्र और स्थान से समय पर आधारित छह उपग्रह (काल, मृत्यु,
अर्धप्रहर, यमघण्टक, गुलिक, मान्दि), एक विण्डो में।
बिना विण्डो के कुण्डली: vela-upagrahas-cli.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>यह सहायता दिखाकर बाहर निकलें।</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>संस्करण दिखाकर बाहर निकलें।</translation>
    </message>
    <message>
        <source>Write the printed reading of READING.ved to OUT.pdf, without a window.</source>
        <translation>READING.ved की छपी कुण्डली को बिना विण्डो के OUT.pdf में लिखें।</translation>
    </message>
    <message>
        <source>Write the chart of READING.ved to OUT.svg, without a window.</source>
        <translation>READING.ved के चक्र को बिना विण्डो के OUT.svg में लिखें।</translation>
    </message>
    <message>
        <source>A saved reading to open and calculate (optional).</source>
        <translation>खोलने और गणना करने के लिए सहेजी गई कुण्डली (वैकल्पिक)।</translation>
    </message>
    <message>
        <source>With --pdf and --svg: the language of the reading, en (English, the default), hi (Hindi) or ta (Tamil).</source>
        <translation>--pdf और --svg के साथ: कुण्डली की भाषा, en (अंग्रेज़ी, डिफ़ॉल्ट), hi (हिन्दी) या ta (तमिल)।</translation>
    </message>
</context>
<context>
    <name>vela::desktop::VargaView</name>
    <message>
        <source>Point</source>
        <translation>बिंदु</translation>
    </message>
    <message>
        <source>Vargottama</source>
        <translation>वर्गोत्तम</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>हाँ</translation>
    </message>
    <message>
        <source>The varga drawn beside the rasi chart</source>
        <translation>राशि कुंडली के बगल में दिखाया गया वर्ग</translation>
    </message>
</context>
<context>
    <name>vela::desktop::WebPages</name>
    <message>
        <source>No web browser could open the page. Its address, to copy into a browser:
%1</source>
        <translation>कोई वेब ब्राउज़र यह पृष्ठ नहीं खोल सका। ब्राउज़र में कॉपी करने के लिए इसका पता:
%1</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>कृपया नगर भरें</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>कृपया राज्य भरें</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>कृपया देश भरें</translation>
    </message>
</context>
</TS>

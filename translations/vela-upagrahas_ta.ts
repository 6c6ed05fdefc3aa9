<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta_IN">
<context>
    <name>BirthDataPanel</name>
    <message>
        <source>Personal Details</source>
        <translation>தனிப்பட்ட விவரங்கள்</translation>
    </message>
    <message>
        <source>Upagraha means confinement or seizure. They stand for inferior thoughts that can eclipse our mind. These are also known as shadow planets. They do not have a body of their own similar to Rahu and Ketu. Upagrahas support or act as an obstacle in relation to other planetary energies. They are calculated based on the Sun&apos;s longitude. Upagrahas are invisible and are felt only by their effects.</source>
        <translation>உபகிரகம் என்றால் சிறைப்படுத்துதல் அல்லது பற்றுதல் என்று பொருள். நம் மனதை மறைக்கக்கூடிய தாழ்ந்த எண்ணங்களை இவை குறிக்கின்றன. இவை நிழல் கிரகங்கள் என்றும் அழைக்கப்படுகின்றன. ராகு, கேது போல இவற்றுக்கும் சொந்த உடல் இல்லை. உபகிரகங்கள் மற்ற கிரகங்களின் ஆற்றல்களுக்குத் துணையாகவோ தடையாகவோ செயல்படுகின்றன. இவை சூரியனின் ஸ்புடத்தை அடிப்படையாகக் கொண்டு கணிக்கப்படுகின்றன. உபகிரகங்கள் கண்ணுக்குப் புலப்படாதவை; அவற்றின் விளைவுகளால் மட்டுமே உணரப்படுகின்றன.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>பிறந்த தேதி</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>பிறந்த நேரம்</translation>
    </message>
    <message>
        <source>HH/MM</source>
        <translation>மணி/நிமி</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>நேர மண்டலம்</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>பகலொளி சேமிப்பு நேரம்</translation>
    </message>
    <message>
        <source>&amp;Use this zone</source>
        <translation>இந்த மண்டலத்தைப் பயன்படுத்து (&amp;U)</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>அட்சரேகை</translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <translation>பாகை/கலை</translation>
    </message>
    <message>
        <source>North</source>
        <translation>வடக்கு</translation>
    </message>
    <message>
        <source>South</source>
        <translation>தெற்கு</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>தீர்க்கரேகை</translation>
    </message>
    <message>
        <source>East</source>
        <translation>கிழக்கு</translation>
    </message>
    <message>
        <source>West</source>
        <translation>மேற்கு</translation>
    </message>
    <message>
        <source>City</source>
        <translation>நகரம்</translation>
    </message>
    <message>
        <source>State</source>
        <translation>மாநிலம்</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>நாடு</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>அட்சரேகை &amp;&amp; தீர்க்கரேகையைக் கண்டறியச் சொடுக்கவும்</translation>
    </message>
    <message>
        <source>&amp;Get My Upagrahas</source>
        <translation>என் உபகிரகங்களைக் கணி (&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>முன்பு சேமித்த ஜாதகத்தைத் திற (&amp;O)</translation>
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
        <translation>இந்த மென்பொருளை உங்கள் சொந்தப் பெயரில் வெளியிடுங்கள்</translation>
    </message>
    <message>
        <source>Make money online</source>
        <translation>இணையத்தில் பணம் சம்பாதியுங்கள்</translation>
    </message>
    <message>
        <source>Co-brand this software</source>
        <translation>இந்த மென்பொருளில் உங்கள் பெயரையும் இணையுங்கள்</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>கோப்பு (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>உதவி (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New Reading</source>
        <translation>புதிய ஜாதகம் (&amp;N)</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open Reading...</source>
        <translation>ஜாதகத்தைத் திற... (&amp;O)</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save Reading...</source>
        <translation>ஜாதகத்தைச் சேமி... (&amp;S)</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>அச்சிடு... (&amp;P)</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>PDF ஆக ஏற்றுமதி செய்... (&amp;D)</translation>
    </message>
    <message>
        <source>Export &amp;Chart Image...</source>
        <translation>கட்டப் படத்தை ஏற்றுமதி செய்... (&amp;C)</translation>
    </message>
    <message>
        <source>Get My &amp;Rasi Chart</source>
        <translation>என் ராசிக் கட்டத்தைப் பார் (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>வெளியேறு (&amp;E)</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>இணைய உதவி (&amp;O)</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>எங்கள் இணையதளத்தைப் பாருங்கள் (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>மென்பொருள் புதுப்பிப்பைச் சரிபார் (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>மென்பொருள் பற்றி (&amp;A)</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>நன்கொடை அளியுங்கள்</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>இணையத்தில் பணம் சம்பாதியுங்கள் (&amp;O)</translation>
    </message>
    <message>
        <source>Calculates the reading of the form and shows it with its rasi chart, as Get My Upagrahas does</source>
        <translation>படிவத்தின் ஜாதகத்தைக் கணக்கிட்டு, &quot;என் உபகிரகங்களைக் காட்டு&quot; செய்வது போல, அதன் ராசி சக்கரத்துடன் காட்டுகிறது</translation>
    </message>
</context>
<context>
    <name>ResultView</name>
    <message>
        <source>Vela Upagrahas Result</source>
        <translation>Vela Upagrahas முடிவு</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>அறிக்கை (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>அட்டவணை (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Working</source>
        <translation>கணிப்பு (&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>சேமி (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>பின்செல் (&amp;B)</translation>
    </message>
    <message>
        <source>Ch&amp;art</source>
        <translation>சக்கரம் (&amp;A)</translation>
    </message>
    <message>
        <source>Cop&amp;y Table</source>
        <translation>அட்டவணையை நகலெடு (&amp;Y)</translation>
    </message>
</context>
<context>
    <name>vela::desktop::AboutDialog</name>
    <message>
        <source>&lt;p&gt;A calculator for Vedic (sidereal) astrology. From the date, time and place of birth it works out the sidereal ascendant, the sunrise and sunset around the birth day, and the six time-based upagrahas (shadow planets): Kaala, Mrityu, Arthaprahaara, Yamaghantaka, Gulika and Maandi, each with its longitude, its house from the ascendant and an interpretation.&lt;/p&gt;&lt;p&gt;Every calculation runs on this computer; no data leaves it and nothing is stored unless you save a reading.&lt;/p&gt;&lt;p&gt;Licence: free software under the MIT License.&lt;br&gt;Credits: the Vela Upagrahas developers. Built with the Qt toolkit (LGPL 3) and, for the offline atlas, libgeonames (GPL 3) with place data from GeoNames (CC BY 4.0); linked with libgeonames, this desktop program as a whole is distributed under the GPL 3. Text set in Verdana or DejaVu Sans.&lt;/p&gt;</source>
        <translation>&lt;p&gt;வேத (நிராயன) ஜோதிடத்திற்கான ஒரு கணிப்பான். பிறந்த தேதி, நேரம், இடம் ஆகியவற்றைக் கொண்டு இது நிராயன லக்னம், பிறந்த நாளை ஒட்டிய சூரிய உதயம், சூரிய அஸ்தமனம், நேரத்தை அடிப்படையாகக் கொண்ட ஆறு உபகிரகங்கள் (நிழல் கிரகங்கள்) ஆகியவற்றைக் கணிக்கிறது: காலன், மிருத்யு, அர்த்தப்பிரகரன், எமகண்டன், குளிகன், மாந்தி; ஒவ்வொன்றுக்கும் அதன் ஸ்புடம், லக்னத்திலிருந்து அதன் பாவம், அதன் பலன்.&lt;/p&gt;&lt;p&gt;எல்லாக் கணிப்புகளும் இந்தக் கணினியிலேயே நடக்கின்றன; எந்தத் தரவும் வெளியே செல்வதில்லை, நீங்கள் ஜாதகத்தைச் சேமித்தால் ஒழிய எதுவும் சேமிக்கப்படுவதில்லை.&lt;/p&gt;&lt;p&gt;உரிமம்: MIT License இன் கீழ் கட்டற்ற மென்பொருள்.&lt;br&gt;நன்றி: Vela Upagrahas உருவாக்குநர்கள். Qt toolkit (LGPL 3) கொண்டும், இணைப்பில்லா அட்லஸுக்கு libgeonames (GPL 3), GeoNames (CC BY 4.0) இட விவரங்கள் கொண்டும் உருவாக்கப்பட்டது; libgeonames உடன் இணைக்கப்படுவதால் இந்த மேசைக்கணினி நிரல் முழுவதும் GPL 3 இன் கீழ் வழங்கப்படுகிறது. எழுத்துரு Verdana அல்லது DejaVu Sans.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Vela Upagrahas</source>
        <translation>Vela Upagrahas பற்றி</translation>
    </message>
    <message>
        <source>&lt;p&gt;The precise positions come from the Swiss Ephemeris (AGPL 3): linked with it, this program is distributed under the GNU Affero General Public License 3. Its source stays under the MIT License.&lt;/p&gt;</source>
        <translation>&lt;p&gt;துல்லிய நிலைகள் Swiss Ephemeris (AGPL 3) இலிருந்து பெறப்படுகின்றன: அதனுடன் இணைக்கப்படுவதால் இந்த நிரல் GNU Affero General Public License 3 இன் கீழ் வழங்கப்படுகிறது. அதன் மூலநிரல் MIT License இன் கீழேயே இருக்கும்.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>vela::desktop::BirthDataPanel</name>
    <message>
        <source>The atlas places %1 %2 km from these coordinates: please check the city or the coordinates.</source>
        <translation>அட்லஸ் %1 ஐ இந்த ஆயத்தொலைவுகளிலிருந்து %2 கி.மீ. தொலைவில் காட்டுகிறது: நகரத்தையோ ஆயத்தொலைவுகளையோ சரிபார்க்கவும்.</translation>
    </message>
    <message>
        <source>The offset East of Greenwich, +HH:MM or +HH:MM:SS (- for West)</source>
        <translation>கிரீன்விச்சிலிருந்து கிழக்கே உள்ள வேறுபாடு, +மணி:நிமி அல்லது +மணி:நிமி:நொடி (மேற்குக்கு -)</translation>
    </message>
    <message>
        <source>Seconds of arc, 0 to 59; may stay empty</source>
        <translation>விகலை, 0 முதல் 59 வரை; காலியாக விடலாம்</translation>
    </message>
    <message>
        <source>or ghatis</source>
        <translation>அல்லது நாழிகை</translation>
    </message>
    <message>
        <source>Ghatis and palas after the birth day&apos;s sunrise, such as 9.38 (1 ghati = 24 minutes, 1 pala = 24 seconds)</source>
        <translation>பிறந்த நாளின் சூரிய உதயத்திலிருந்து நாழிகையும் விநாடியும், எடுத்துக்காட்டாக 9.38 (1 நாழிகை = 24 நிமிடம், 1 விநாடி = 24 நொடி)</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>நேரத்தை அமை</translation>
    </message>
    <message>
        <source>Another offset (±HH:MM:SS)</source>
        <translation>வேறொரு நேர வேறுபாடு (±மணி:நிமி:நொடி)</translation>
    </message>
    <message>
        <source>Please enter the ghatis and palas after sunrise as GG.PP, each from 0 to 59 (9.38 is 9 ghatis 38 palas).</source>
        <translation>சூரிய உதயத்திலிருந்து நாழிகையையும் விநாடியையும் நாழிகை.விநாடி என்ற வடிவில் உள்ளிடவும், ஒவ்வொன்றும் 0 முதல் 59 வரை (9.38 என்பது 9 நாழிகை 38 விநாடி).</translation>
    </message>
    <message>
        <source>%1 ghatis %2 palas after sunrise (%3): %4 on the clock%5, set as %6:%7.</source>
        <translation>சூரிய உதயத்திலிருந்து (%3) %1 நாழிகை %2 விநாடி: கடிகாரத்தில் %4%5, நேரம் %6:%7 என அமைக்கப்பட்டது.</translation>
    </message>
    <message>
        <source> of the next day</source>
        <translation> (மறுநாள்)</translation>
    </message>
</context>
<context>
    <name>vela::desktop::DayView</name>
    <message>
        <source>Day portions</source>
        <translation>நாளின் பாகங்கள்</translation>
    </message>
    <message>
        <source>Portion</source>
        <translation>பாகம்</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>அதிபதி</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>நேரம்</translation>
    </message>
    <message>
        <source>Sunrise %1, sunset %2, next sunrise %3</source>
        <translation>சூரிய உதயம் %1, சூரிய அஸ்தமனம் %2, அடுத்த சூரிய உதயம் %3</translation>
    </message>
    <message>
        <source>Rahu Kalam %1</source>
        <translation>ராகு காலம் %1</translation>
    </message>
    <message>
        <source>Yamagandam %1</source>
        <translation>எமகண்டம் %1</translation>
    </message>
    <message>
        <source>Gulika Kalam %1</source>
        <translation>குளிகை காலம் %1</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>பகல் %1</translation>
    </message>
    <message>
        <source>Night %1</source>
        <translation>இரவு %1</translation>
    </message>
    <message>
        <source>now</source>
        <translation>இப்போது</translation>
    </message>
    <message>
        <source>Rahu Kalam, Yamagandam and Gulika Kalam, %1</source>
        <translation>ராகு காலம், எமகண்டம், குளிகை காலம், %1</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>இடம்: %1</translation>
    </message>
    <message>
        <source>Profile: %1 (%2)</source>
        <translation>முறை: %1 (%2)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>தேதி</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>கிழமை</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>சூரிய உதயம்</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>சூரிய அஸ்தமனம்</translation>
    </message>
    <message>
        <source>Rahu Kalam</source>
        <translation>ராகு காலம்</translation>
    </message>
    <message>
        <source>Yamagandam</source>
        <translation>எமகண்டம்</translation>
    </message>
    <message>
        <source>Gulika Kalam</source>
        <translation>குளிகை காலம்</translation>
    </message>
    <message>
        <source>From %1 the clocks keep daylight saving.</source>
        <translation>%1 முதல் கடிகாரங்கள் பகலொளி சேமிப்பு நேரத்தைப் பின்பற்றுகின்றன.</translation>
    </message>
    <message>
        <source>From %1 the clocks keep standard time.</source>
        <translation>%1 முதல் கடிகாரங்கள் திட்ட நேரத்தைப் பின்பற்றுகின்றன.</translation>
    </message>
    <message>
        <source>%1 was written, but the disk did not confirm it: %2.</source>
        <translation>%1 எழுதப்பட்டது, ஆனால் வட்டு அதை உறுதிப்படுத்தவில்லை: %2.</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>பக்கத்தை வரைய முடியவில்லை.</translation>
    </message>
    <message>
        <source>Show the &amp;choghadiyas</source>
        <translation>சௌகடியாக்களைக் காட்டு (&amp;C)</translation>
    </message>
    <message>
        <source>Choghadiya</source>
        <translation>சௌகடியா</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>&amp;Day</source>
        <translation>நாள் (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>அச்சிடு... (&amp;P)</translation>
    </message>
    <message>
        <source>Export PD&amp;F...</source>
        <translation>PDF ஆக ஏற்றுமதி செய்... (&amp;F)</translation>
    </message>
    <message>
        <source>Export C&amp;SV...</source>
        <translation>CSV ஆக ஏற்றுமதி செய்... (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <translation>மாதம் (&amp;M)</translation>
    </message>
    <message>
        <source>Daylight saving on this day, as the zone history of %1 has it</source>
        <translation>%1 இன் நேர மண்டல வரலாற்றின்படி இந்த நாளில் பகலொளி சேமிப்பு நேரம் உண்டு</translation>
    </message>
    <message>
        <source>No daylight saving on this day, as the zone history of %1 has it</source>
        <translation>%1 இன் நேர மண்டல வரலாற்றின்படி இந்த நாளில் பகலொளி சேமிப்பு நேரம் இல்லை</translation>
    </message>
    <message>
        <source>The month could not be printed.</source>
        <translation>மாதத்தை அச்சிட முடியவில்லை.</translation>
    </message>
    <message>
        <source>Export the month as PDF</source>
        <translation>மாதத்தை PDF ஆக ஏற்றுமதி செய்</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF கோப்புகள் (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF was not written: %1</source>
        <translation>PDF எழுதப்படவில்லை: %1</translation>
    </message>
    <message>
        <source>Export the month as CSV</source>
        <translation>மாதத்தை CSV ஆக ஏற்றுமதி செய்</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV கோப்புகள் (*.csv)</translation>
    </message>
    <message>
        <source>The CSV was not written: %1</source>
        <translation>CSV எழுதப்படவில்லை: %1</translation>
    </message>
    <message>
        <source>Daylight sa&amp;ving on the days shown</source>
        <translation>காட்டப்படும் நாட்களில் பகலொளி சேமிப்பு நேரம் (&amp;V)</translation>
    </message>
    <message>
        <source>Sunrise %1, sunset %2; no sunrise follows, so the night has no portions</source>
        <translation>சூரிய உதயம் %1, சூரிய அஸ்தமனம் %2; அடுத்து உதயம் இல்லை, எனவே இரவுக்குப் பாகங்கள் இல்லை</translation>
    </message>
    <message>
        <source>The clock shown: the zone, %1, with daylight saving (one hour ahead); no zone history is known for this place, so the box above sets it.</source>
        <translation>காட்டப்படும் கடிகாரம்: நேர மண்டலம் %1, பகலொளி சேமிப்பு நேரத்துடன் (ஒரு மணி முன்னே); இந்த இடத்தின் நேர மண்டல வரலாறு தெரியவில்லை, எனவே மேலே உள்ள பெட்டி அதை அமைக்கிறது.</translation>
    </message>
    <message>
        <source>The clock shown: the zone, %1, without daylight saving; no zone history is known for this place, so the box above sets it.</source>
        <translation>காட்டப்படும் கடிகாரம்: நேர மண்டலம் %1, பகலொளி சேமிப்பு நேரம் இன்றி; இந்த இடத்தின் நேர மண்டல வரலாறு தெரியவில்லை, எனவே மேலே உள்ள பெட்டி அதை அமைக்கிறது.</translation>
    </message>
</context>
<context>
    <name>vela::desktop::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>%1 உதவி</translation>
    </message>
</context>
<context>
    <name>vela::desktop::MainWindow</name>
    <message>
        <source>%1 is read-only.
Please choose another name.</source>
        <translation>%1 படிக்க மட்டுமே உரியது.
வேறொரு பெயரைத் தேர்ந்தெடுக்கவும்.</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>ஜாதகம்</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF ஆக ஏற்றுமதி செய்</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF ஆவணம் (*.pdf)</translation>
    </message>
    <message>
        <source>Export Chart Image</source>
        <translation>கட்டப் படத்தை ஏற்றுமதி செய்</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG image (*.svg)</source>
        <translation>PNG படம் (*.png);;SVG படம் (*.svg)</translation>
    </message>
    <message>
        <source>The reading on the form has not been saved.
Do you want to save it?</source>
        <translation>படிவத்தில் உள்ள ஜாதகம் சேமிக்கப்படவில்லை.
அதைச் சேமிக்க விரும்புகிறீர்களா?</translation>
    </message>
    <message>
        <source>Vela Upagrahas (*.ved)</source>
        <translation>Vela Upagrahas (*.ved)</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>மூலக் கோப்பைத் தேர்ந்தெடுக்கவும்</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>மொழி (&amp;L)</translation>
    </message>
    <message>
        <source>The catalogue of %1 was not found; the window stays as it is.</source>
        <translation>%1 மொழிபெயர்ப்புக் கோப்பு கிடைக்கவில்லை; சாளரம் இப்போது உள்ளபடியே இருக்கும்.</translation>
    </message>
    <message>
        <source>Da&amp;y Portions...</source>
        <translation>நாளின் பாகங்கள்... (&amp;Y)</translation>
    </message>
    <message>
        <source>Vela reading, any script (*.vela)</source>
        <translation>Vela ஜாதகம், எந்த எழுத்துமுறையிலும் (*.vela)</translation>
    </message>
    <message>
        <source>JHD chart (*.jhd)</source>
        <translation>JHD கட்டம் (*.jhd)</translation>
    </message>
    <message>
        <source>Readings and charts (*.ved *.vela *.jhd)</source>
        <translation>ஜாதகங்களும் கட்டங்களும் (*.ved *.vela *.jhd)</translation>
    </message>
    <message>
        <source>This reading was saved under the profile &quot;%1&quot;; it is read under &quot;%2&quot;, the profile chosen in the Conventions menu.</source>
        <translation>இந்த ஜாதகம் &quot;%1&quot; முறையின் கீழ் சேமிக்கப்பட்டது; மரபுகள் பட்டியில் தேர்ந்தெடுத்த முறையான &quot;%2&quot; இன் கீழ் இது படிக்கப்படுகிறது.</translation>
    </message>
    <message>
        <source>Saved as .vela: %1</source>
        <translation>.vela ஆகச் சேமிக்கப்படும்: %1</translation>
    </message>
</context>
<context>
    <name>vela::desktop::ProfileChoice</name>
    <message>
        <source>&amp;Conventions</source>
        <translation>மரபுகள் (&amp;C)</translation>
    </message>
    <message>
        <source>C&amp;ustom...</source>
        <translation>தனிப்பயன்... (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Include the comparison of profiles in print</source>
        <translation>அச்சில் முறைகளின் ஒப்பீட்டைச் சேர் (&amp;I)</translation>
    </message>
    <message>
        <source>The printed reading and the PDF end with the grid of the upagrahas under every profile.</source>
        <translation>அச்சிட்ட ஜாதகமும் PDF-உம் ஒவ்வொரு முறையின்படியும் உபகிரகங்களின் அட்டவணையுடன் முடிகின்றன.</translation>
    </message>
</context>
<context>
    <name>vela::desktop::ProfileDialog</name>
    <message>
        <source>Custom Profile</source>
        <translation>தனிப்பயன் கணிப்பு முறை</translation>
    </message>
    <message>
        <source>&amp;Lords of the portions</source>
        <translation>பகுதிகளின் அதிபதிகள் (&amp;L)</translation>
    </message>
    <message>
        <source>%1 at the</source>
        <translation>%1 இன் புள்ளி</translation>
    </message>
    <message>
        <source>&amp;Sunrise</source>
        <translation>சூரிய உதயம் (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Vyatipata</source>
        <translation>வியதீபாதம் (&amp;V)</translation>
    </message>
    <message>
        <source>the original&apos;s formulas</source>
        <translation>மூல நிரலின் சூத்திரங்கள்</translation>
    </message>
    <message>
        <source>the precise ephemeris</source>
        <translation>துல்லியப் பஞ்சாங்கம்</translation>
    </message>
    <message>
        <source>&amp;Ephemeris</source>
        <translation>பஞ்சாங்கம் (&amp;E)</translation>
    </message>
    <message>
        <source>the original&apos;s</source>
        <translation>மூல நிரலின்</translation>
    </message>
    <message>
        <source>Lahiri&apos;s</source>
        <translation>லாஹிரி</translation>
    </message>
    <message>
        <source>A&amp;yanamsa</source>
        <translation>அயனாம்சம் (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Hora</source>
        <translation>ஹோரை (&amp;H)</translation>
    </message>
    <message>
        <source>Parashara&apos;s: the Sun&apos;s half and the Moon&apos;s</source>
        <translation>பராசரரின்: சூரியனின் பாதி, சந்திரனின் பாதி</translation>
    </message>
    <message>
        <source>cyclic: counted on from Aries</source>
        <translation>சுழற்சி: மேஷம் முதல் தொடர்ந்து எண்ணப்படும்</translation>
    </message>
    <message>
        <source>&amp;Drekkana</source>
        <translation>திரேக்காணம் (&amp;D)</translation>
    </message>
    <message>
        <source>Parashara&apos;s: the sign, its 5th and its 9th</source>
        <translation>பராசரரின்: ராசி, அதன் 5ஆம், 9ஆம் ராசி</translation>
    </message>
    <message>
        <source>Jagannatha&apos;s: the triplicity from its movable sign</source>
        <translation>ஜகந்நாதரின்: திரிகோணத்தின் சர ராசியிலிருந்து</translation>
    </message>
    <message>
        <source>&amp;Trimsamsa</source>
        <translation>திரிம்சாம்சம் (&amp;T)</translation>
    </message>
    <message>
        <source>Parashara&apos;s: five unequal parts</source>
        <translation>பராசரரின்: ஐந்து சமமற்ற பகுதிகள்</translation>
    </message>
    <message>
        <source>Parashara&apos;s</source>
        <translation>பராசரர்</translation>
    </message>
    <message>
        <source>cyclic</source>
        <translation>சுழற்சி</translation>
    </message>
    <message>
        <source>Jagannatha&apos;s</source>
        <translation>ஜகந்நாதர்</translation>
    </message>
</context>
<context>
    <name>vela::desktop::ReadingPrint</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>பக்கம் %1 / %2</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>அறிக்கை</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>கணிப்பு</translation>
    </message>
    <message>
        <source>The PDF could not be written:</source>
        <translation>PDF ஐ எழுத முடியவில்லை:</translation>
    </message>
    <message>
        <source>The chart image could not be written:</source>
        <translation>கட்டப் படத்தை எழுத முடியவில்லை:</translation>
    </message>
</context>
<context>
    <name>vela::desktop::ResultView</name>
    <message>
        <source>South Indian</source>
        <translation>தென்னிந்திய</translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation>வட இந்திய</translation>
    </message>
    <message>
        <source>Chart style</source>
        <translation>கட்ட வடிவம்</translation>
    </message>
    <message>
        <source>%1 ghatis</source>
        <translation>%1 நாழிகை</translation>
    </message>
    <message>
        <source>Com&amp;pare</source>
        <translation>ஒப்பீடு (&amp;P)</translation>
    </message>
    <message>
        <source>Nothing in this birth sets the profiles apart beyond their own conventions: no sunrise or sunset close to the birth, no portion taken from another place, no upagraha near a sign change.</source>
        <translation>இந்தப் பிறப்பில் முறைகளை அவற்றின் சொந்த மரபுகளைத் தவிர வேறு எதுவும் வேறுபடுத்தவில்லை: பிறப்புக்கு அருகில் சூரிய உதயமோ அஸ்தமனமோ இல்லை, வேறு இடத்திலிருந்து எடுக்கப்பட்ட பாகம் இல்லை, ராசி மாற்றத்துக்கு அருகில் உபகிரகம் இல்லை.</translation>
    </message>
    <message>
        <source>%1 (in use)</source>
        <translation>%1 (பயன்பாட்டில்)</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>மறுக்கப்பட்டது</translation>
    </message>
    <message>
        <source>Differs from the profile in use</source>
        <translation>பயன்பாட்டிலுள்ள முறையிலிருந்து வேறுபடுகிறது</translation>
    </message>
    <message>
        <source>* differs from the profile in use (%1).</source>
        <translation>* பயன்பாட்டிலுள்ள முறையிலிருந்து (%1) வேறுபடுகிறது.</translation>
    </message>
    <message>
        <source>&amp;Vargas</source>
        <translation>வர்க்கங்கள் (&amp;V)</translation>
    </message>
</context>
<context>
    <name>vela::desktop::StartUp</name>
    <message>
        <source>Application is already running</source>
        <translation>நிரல் ஏற்கெனவே இயங்குகிறது</translation>
    </message>
    <message>
        <source>Application is already running, and the reading could not be handed to it:</source>
        <translation>நிரல் ஏற்கெனவே இயங்குகிறது; ஜாதகத்தை அதனிடம் ஒப்படைக்க முடியவில்லை:</translation>
    </message>
    <message>
        <source>Vela Upagrahas: the six time-based upagrahas (Kaala, Mrityu, Arthaprahaara, Yamaghantaka,
Gulika, Maandi) of a birth, from its date, time, zone and place, in a window.
Readings without a window: vela-upagrahas-cli.</source>
        <translation>Vela Upagrahas: பிறப்பின் தேதி, நேரம், நேர மண்டலம், இடம் ஆகியவற்றிலிருந்து நேரத்தை அடிப்படையாகக் கொண்ட
ஆறு உபகிரகங்கள் (காலன், மிருத்யு, அர்த்தப்பிரகரன், எமகண்டன், குளிகன், மாந்தி), ஒரு சாளரத்தில்.
சாளரம் இல்லாமல் ஜாதகம்: vela-upagrahas-cli.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>இந்த உதவியைக் காட்டி வெளியேறு.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>பதிப்பைக் காட்டி வெளியேறு.</translation>
    </message>
    <message>
        <source>Write the printed reading of READING.ved to OUT.pdf, without a window.</source>
        <translation>READING.ved இன் அச்சு ஜாதகத்தைச் சாளரம் இல்லாமல் OUT.pdf இல் எழுது.</translation>
    </message>
    <message>
        <source>Write the chart of READING.ved to OUT.svg, without a window.</source>
        <translation>READING.ved இன் கட்டத்தைச் சாளரம் இல்லாமல் OUT.svg இல் எழுது.</translation>
    </message>
    <message>
        <source>A saved reading to open and calculate (optional).</source>
        <translation>திறந்து கணிக்க வேண்டிய சேமித்த ஜாதகம் (விருப்பத்தேர்வு).</translation>
    </message>
    <message>
        <source>With --pdf and --svg: the language of the reading, en (English, the default), hi (Hindi) or ta (Tamil).</source>
        <translation>--pdf, --svg உடன்: ஜாதகத்தின் மொழி, en (ஆங்கிலம், இயல்பாக), hi (இந்தி) அல்லது ta (தமிழ்).</translation>
    </message>
</context>
<context>
    <name>vela::desktop::VargaView</name>
    <message>
        <source>Point</source>
        <translation>புள்ளி</translation>
    </message>
    <message>
        <source>Vargottama</source>
        <translation>வர்கோத்தமம்</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ஆம்</translation>
    </message>
    <message>
        <source>The varga drawn beside the rasi chart</source>
        <translation>ராசி சக்கரத்தின் அருகே வரையப்படும் வர்க்கம்</translation>
    </message>
</context>
<context>
    <name>vela::desktop::WebPages</name>
    <message>
        <source>No web browser could open the page. Its address, to copy into a browser:
%1</source>
        <translation>எந்த இணைய உலாவியாலும் பக்கத்தைத் திறக்க முடியவில்லை. உலாவியில் நகலெடுக்க அதன் முகவரி:
%1</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>நகரத்தை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>மாநிலத்தை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>நாட்டை உள்ளிடவும்</translation>
    </message>
</context>
</TS>

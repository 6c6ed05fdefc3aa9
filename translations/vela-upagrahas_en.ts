<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BirthDataPanel</name>
    <message>
        <source>Personal Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upagraha means confinement or seizure. They stand for inferior thoughts that can eclipse our mind. These are also known as shadow planets. They do not have a body of their own similar to Rahu and Ketu. Upagrahas support or act as an obstacle in relation to other planetary energies. They are calculated based on the Sun&apos;s longitude. Upagrahas are invisible and are felt only by their effects.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HH/MM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use this zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Get My Upagrahas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Vela Upagrahas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brand this software as your own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make money online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-brand this software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Reading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Reading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;Chart Image...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get My &amp;Rasi Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculates the reading of the form and shows it with its rasi chart, as Get My Upagrahas does</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultView</name>
    <message>
        <source>Vela Upagrahas Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Working</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ch&amp;art</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cop&amp;y Table</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vela::desktop::AboutDialog</name>
    <message>
        <source>&lt;p&gt;A calculator for Vedic (sidereal) astrology. From the date, time and place of birth it works out the sidereal ascendant, the sunrise and sunset around the birth day, and the six time-based upagrahas (shadow planets): Kaala, Mrityu, Arthaprahaara, Yamaghantaka, Gulika and Maandi, each with its longitude, its house from the ascendant and an interpretation.&lt;/p&gt;&lt;p&gt;Every calculation runs on this computer; no data leaves it and nothing is stored unless you save a reading.&lt;/p&gt;&lt;p&gt;Licence: free software under the MIT License.&lt;br&gt;Credits: the Vela Upagrahas developers. Built with the Qt toolkit (LGPL 3) and, for the offline atlas, libgeonames (GPL 3) with place data from GeoNames (CC BY 4.0); linked with libgeonames, this desktop program as a whole is distributed under the GPL 3. Text set in Verdana or DejaVu Sans.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Vela Upagrahas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;The precise positions come from the Swiss Ephemeris (AGPL 3): linked with it, this program is distributed under the GNU Affero General Public License 3. Its source stays under the MIT License.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vela::desktop::BirthDataPanel</name>
    <message>
        <source>The atlas places %1 %2 km from these coordinates: please check the city or the coordinates.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The offset East of Greenwich, +HH:MM or +HH:MM:SS (- for West)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds of arc, 0 to 59; may stay empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>or ghatis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ghatis and palas after the birth day&apos;s sunrise, such as 9.38 (1 ghati = 24 minutes, 1 pala = 24 seconds)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another offset (±HH:MM:SS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the ghatis and palas after sunrise as GG.PP, each from 0 to 59 (9.38 is 9 ghatis 38 palas).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ghatis %2 palas after sunrise (%3): %4 on the clock%5, set as %6:%7.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> of the next day</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vela::desktop::DayView</name>
    <message>
        <source>Day portions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunrise %1, sunset %2, next sunrise %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rahu Kalam %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yamagandam %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gulika Kalam %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rahu Kalam, Yamagandam and Gulika Kalam, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rahu Kalam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yamagandam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gulika Kalam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From %1 the clocks keep daylight saving.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From %1 the clocks keep standard time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was written, but the disk did not confirm it: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the &amp;choghadiyas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choghadiya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export PD&amp;F...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export C&amp;SV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight saving on this day, as the zone history of %1 has it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No daylight saving on this day, as the zone history of %1 has it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The month could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the month as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF was not written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the month as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CSV was not written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight sa&amp;ving on the days shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunrise %1, sunset %2; no sunrise follows, so the night has no portions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clock shown: the zone, %1, with daylight saving (one hour ahead); no zone history is known for this place, so the box above sets it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clock shown: the zone, %1, without daylight saving; no zone history is known for this place, so the box above sets it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vela::desktop::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vela::desktop::MainWindow</name>
    <message>
        <source>%1 is read-only.
Please choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Chart Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG image (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vela Upagrahas (*.ved)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reading on the form has not been saved.
Do you want to save it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue of %1 was not found; the window stays as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Da&amp;y Portions...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vela reading, any script (*.vela)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JHD chart (*.jhd)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readings and charts (*.ved *.vela *.jhd)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This reading was saved under the profile &quot;%1&quot;; it is read under &quot;%2&quot;, the profile chosen in the Conventions menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved as .vela: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vela::desktop::ProfileChoice</name>
    <message>
        <source>&amp;Conventions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ustom...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Include the comparison of profiles in print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printed reading and the PDF end with the grid of the upagrahas under every profile.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vela::desktop::ProfileDialog</name>
    <message>
        <source>Custom Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lords of the portions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at the</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sunrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vyatipata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the original&apos;s formulas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the precise ephemeris</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ephemeris</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the original&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lahiri&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;yanamsa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parashara&apos;s: the Sun&apos;s half and the Moon&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cyclic: counted on from Aries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drekkana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parashara&apos;s: the sign, its 5th and its 9th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jagannatha&apos;s: the triplicity from its movable sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Trimsamsa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parashara&apos;s: five unequal parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parashara&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cyclic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jagannatha&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vela::desktop::ReadingPrint</name>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF could not be written:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart image could not be written:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vela::desktop::ResultView</name>
    <message>
        <source>South Indian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ghatis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com&amp;pare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing in this birth sets the profiles apart beyond their own conventions: no sunrise or sunset close to the birth, no portion taken from another place, no upagraha near a sign change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (in use)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Differs from the profile in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* differs from the profile in use (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vargas</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vela::desktop::StartUp</name>
    <message>
        <source>Application is already running, and the reading could not be handed to it:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vela Upagrahas: the six time-based upagrahas (Kaala, Mrityu, Arthaprahaara, Yamaghantaka,
Gulika, Maandi) of a birth, from its date, time, zone and place, in a window.
Readings without a window: vela-upagrahas-cli.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the printed reading of READING.ved to OUT.pdf, without a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the chart of READING.ved to OUT.svg, without a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A saved reading to open and calculate (optional).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --pdf and --svg: the language of the reading, en (English, the default), hi (Hindi) or ta (Tamil).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vela::desktop::VargaView</name>
    <message>
        <source>Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vargottama</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The varga drawn beside the rasi chart</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vela::desktop::WebPages</name>
    <message>
        <source>No web browser could open the page. Its address, to copy into a browser:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

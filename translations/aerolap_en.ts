<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CardCheck</name>
    <message numerus="yes">
        <source>Task %1 allows at most %n flight(s).</source>
        <translation>
            <numerusform>Task %1 allows at most %n flight.</numerusform>
            <numerusform>Task %1 allows at most %n flights.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DayReport</name>
    <message numerus="yes">
        <source>%n cue(s)</source>
        <translation>
            <numerusform>%n cue</numerusform>
            <numerusform>%n cues</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n late</source>
        <translation>
            <numerusform>%n late</numerusform>
            <numerusform>%n late</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missing</source>
        <translation>
            <numerusform>%n missing</numerusform>
            <numerusform>%n missing</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n frame(s)</source>
        <translation>
            <numerusform>%n frame</numerusform>
            <numerusform>%n frames</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not taken</source>
        <translation>
            <numerusform>%n not taken</numerusform>
            <numerusform>%n not taken</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) dropped while the log was busy</source>
        <translation>
            <numerusform>%n line dropped while the log was busy</numerusform>
            <numerusform>%n lines dropped while the log was busy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) lost while the log could not be written</source>
        <translation>
            <numerusform>%n line lost while the log could not be written</numerusform>
            <numerusform>%n lines lost while the log could not be written</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message numerus="yes">
        <source>PROVISIONAL: %n group(s) not confirmed; their scores are marked *.</source>
        <translation>
            <numerusform>PROVISIONAL: %n group not confirmed; its scores are marked *.</numerusform>
            <numerusform>PROVISIONAL: %n groups not confirmed; their scores are marked *.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RulesListing</name>
    <message numerus="yes">
        <source>%1 from %n rounds</source>
        <translation>
            <numerusform>%1 from %n round</numerusform>
            <numerusform>%1 from %n rounds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the last %n flight(s)</source>
        <translation>
            <numerusform>the last flight</numerusform>
            <numerusform>the last %n flights</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the longest %n flight(s)</source>
        <translation>
            <numerusform>the longest flight</numerusform>
            <numerusform>the longest %n flights</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the pilot&apos;s targets reached, at most %n</source>
        <translation>
            <numerusform>the pilot&apos;s targets reached, at most %n</numerusform>
            <numerusform>the pilot&apos;s targets reached, at most %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the sum of %n nominated members&apos; totals</source>
        <translation>
            <numerusform>the total of the nominated member</numerusform>
            <numerusform>the sum of %n nominated members&apos; totals</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the sum of the best %n members&apos; totals</source>
        <translation>
            <numerusform>the total of the best member</numerusform>
            <numerusform>the sum of the best %n members&apos; totals</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>aerolap::ScheduleWindow</name>
    <message numerus="yes">
        <source>%n pilot(s)</source>
        <translation type="vanished">
            <numerusform>%n pilot</numerusform>
            <numerusform>%n pilots</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>two pilots meet %1 to %n time(s)</source>
        <translation type="vanished">
            <numerusform>two pilots meet %1 to %n time</numerusform>
            <numerusform>two pilots meet %1 to %n times</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Drawn. Two pilots meet %1 to %n time(s) over the contest.</source>
        <translation type="vanished">
            <numerusform>Drawn. Two pilots meet %1 to %n time over the contest.</numerusform>
            <numerusform>Drawn. Two pilots meet %1 to %n times over the contest.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pilot(s), %1; two pilots meet %2 to %3 times</source>
        <translation>
            <numerusform>%n pilot, %1; two pilots meet %2 to %3 times</numerusform>
            <numerusform>%n pilots, %1; two pilots meet %2 to %3 times</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>aerolap::ScoresWindow</name>
    <message numerus="yes">
        <source>%n target(s) for %1 flight(s): give the target named before each flight.</source>
        <translation>
            <numerusform>%n target for %1 flight(s): give the target named before each flight.</numerusform>
            <numerusform>%n targets for %1 flight(s): give the target named before each flight.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pilots</name>
    <message numerus="yes">
        <source>in about %n minute(s)</source>
        <translation>
            <numerusform>in about %n minute</numerusform>
            <numerusform>in about %n minutes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>remote</name>
    <message numerus="yes">
        <source>Try again in %n second(s).</source>
        <translation>
            <numerusform>Try again in %n second.</numerusform>
            <numerusform>Try again in %n seconds.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>timekeeper</name>
    <message numerus="yes">
        <source>Try again in %n second(s).</source>
        <translation>
            <numerusform>Try again in %n second.</numerusform>
            <numerusform>Try again in %n seconds.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n launches are used.</source>
        <translation>
            <numerusform>The one launch is used.</numerusform>
            <numerusform>All %n launches are used.</numerusform>
        </translation>
    </message>
</context>
</TS>

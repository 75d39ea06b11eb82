<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>DayReport</name>
    <message numerus="yes">
        <source>%n cue(s)</source>
        <translation type="vanished">
            <numerusform>%n cue</numerusform>
            <numerusform>%n cues</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n late</source>
        <translation type="vanished">
            <numerusform>%n late</numerusform>
            <numerusform>%n late</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missing</source>
        <translation type="vanished">
            <numerusform>%n missing</numerusform>
            <numerusform>%n missing</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n frame(s)</source>
        <translation type="vanished">
            <numerusform>%n frame</numerusform>
            <numerusform>%n frames</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not taken</source>
        <translation type="vanished">
            <numerusform>%n not taken</numerusform>
            <numerusform>%n not taken</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) dropped while the log was busy</source>
        <translation type="vanished">
            <numerusform>%n line dropped while the log was busy</numerusform>
            <numerusform>%n lines dropped while the log was busy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) lost while the log could not be written</source>
        <translation type="vanished">
            <numerusform>%n line lost while the log could not be written</numerusform>
            <numerusform>%n lines lost while the log could not be written</numerusform>
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
        <translation type="vanished">
            <numerusform>in about %n minute</numerusform>
            <numerusform>in about %n minutes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>remote</name>
    <message numerus="yes">
        <source>Try again in %n second(s).</source>
        <translation type="vanished">
            <numerusform>Try again in %n second.</numerusform>
            <numerusform>Try again in %n seconds.</numerusform>
        </translation>
    </message>
</context>
</TS>

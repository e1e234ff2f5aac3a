#!/usr/bin/env python3
"""Writes the shipped text files: TIPOFDAY.TXT (one tip per line) and the README.txt that
explains each folder the program expects but that holds nothing yet.

Both are Windows-1252 text with CR LF line ends, like every text file Velmora reads.
The tips file has no line end after its last tip, so no empty tip can be drawn.

    python3 scripts/assets/make_texts.py [data folder]
"""

import os
import sys
from datafolder import data_root

TIPS = [
    "Press F1 at any time to open the Velmora help.",
    "The campaign clock never runs by itself: move the day, year, hour and minute with their "
    "arrow buttons as the game goes on.",
    "Passing midnight on the clock does not change the date. When the party sleeps through the "
    "night, step the day forward yourself.",
    "Every change of the current date rolls fresh weather. Choose the cold, temperate or desert "
    "climate to match where the party travels.",
    "Give your world its own months with the Calendar Wizard (Tools menu, Calendar...): any "
    "number of months, each with its own number of days.",
    "Does your world have more than one moon? Add each in the Moons window with its period and "
    "the date of its first full moon.",
    "Tick \"Show moons in Agenda and Almanach\" in the Moons window to see each moon's phase "
    "beside the days of the Agenda and the Almanach.",
    "The Agenda is your dated to-do list and the Almanach your record of what happened. Click "
    "the text of a day to write in it.",
    "While writing in the Agenda or the Almanach, Alt+Enter starts a new line, Enter keeps your "
    "text and Escape drops your changes.",
    "Collate the filled days of the Agenda or the Almanach into one report, ready to print or "
    "to save as a rich-text file.",
    "In the Battle Box, tick a combatant's \"Turn?\" box once it has acted. Advancing the round "
    "clears every tick and sorts the list by initiative.",
    "Advancing the Battle Box round also counts both duration counters down: handy for spells "
    "and other effects that last a few rounds.",
    "Need five goblins? Add one to the Battle Box and replicate it: the copies are numbered for "
    "you, Goblin (1), Goblin (2) and so on.",
    "Click a cell of the Battle Box to change it in place, and click a column header to sort "
    "the list by that column.",
    "Right-click the Battle Box for its menu: add, edit, replicate or remove combatants, or "
    "start a new Battle Box.",
    "Prepare encounters ahead of the game: save a Battle Box to a file of its own, with notes, "
    "and find it again in the Saved BattleBox List.",
    "The Dice Roller rolls any number of d3, d4, d6, d8, d10, d12, d20 or d100 and adds or "
    "subtracts a modifier. \"Rand\" draws a number between any two values.",
    "The dice are also in the \"Dices and Turns\" menu, together with the Battle Box round and "
    "duration counters.",
    "Short of ideas? The Event Generator on the Tools tab draws a random event to spark your "
    "next scene.",
    "The Town Generator sketches a settlement in one click: its size, population, gold-piece "
    "limit, power centres and the peoples who live there.",
    "Ask the Velmora: type a question, click the crystal ball and see what fate replies.",
    "Add a map from the Maps menu, then right-click it to place players, objects and notes. "
    "Drag the markers as the party moves.",
    "Each map can carry a grid. Show or hide the grid, the players and the note markers from "
    "the map's right-click menu.",
    "Export the whole map collection to an XML file from the Maps menu, and import it into "
    "another campaign.",
    "The Docs tab keeps three documents beside every campaign: your notes, where the last game "
    "left off and the NPCs the party has met.",
    "Use the search box beside a document to find a word in it.",
    "Build a ZIP archive of your campaign from the Tools menu, with the files it uses, to keep "
    "a backup or to carry it to another computer.",
    "Turn on automated saving in the Options (Tools menu) and Velmora saves a changed campaign "
    "every 5 to 15 minutes, once it has a file name.",
    "The File menu lists the last four campaigns you opened: pick one to open it again.",
    "Save a campaign as a template (.vlt) to start new campaigns with the same calendar, moons "
    "and lists. The toolbar's Save never overwrites a template.",
    "Untick the sounds box to play in silence. The Options let you choose your own WAV files; "
    "put them in the Sounds folder of Velmora first.",
    "Click one of the decorative pictures to replace it with one of your own; right-click it to "
    "see its size in pixels.",
    "Right-click a resource list to add your own documents and web links, or to print the list.",
    "Start your favourite programs from the Tools menu: add them on the Custom Tools page of "
    "the Options.",
    "Files that you put in the Characters and Library folders of Velmora appear in the "
    "\"Character misc.\" and \"Library\" lists.",
    "To stop these tips at start-up, untick \"Will display tips on next application startup.\" "
    "on the General page of the Options.",
]

FOLDERS = {
    "Campaigns/MapIcons": [
        "Map marker icons",
        "",
        "The icons that mark players, objects and notes on your maps (.ico files; objects may",
        "also use .bmp pictures). The marker windows look here first, and an icon that you pick",
        "from another folder is copied here, so the campaign keeps finding it.",
        "",
        "A few markers come with Velmora: four coloured pawns for the players, and a chest, a",
        "door, a skull, a campfire and a pinned note.",
    ],
    "Documents": [
        "Documents",
        "",
        "Velmora keeps its rich-text and text documents here: the three notes documents of the",
        "Docs tab (DM Notes, Game Last Left Off, NPCs Have Met), the rules documents of the",
        "character classes and the articles and net books of the Resources tab, and the tables",
        "of the event generator and of Ask the Velmora.",
    ],
    "Library": [
        "Library",
        "",
        "Rules documents and tables for quick reference. Every file in this folder appears in",
        "the Library list; click one to read it. The quick-table buttons of the Resources tab",
        "also load their documents from here.",
    ],
    "Characters": [
        "Characters",
        "",
        "Character sheets and anything else about your player characters. Every file in this",
        "folder appears in the \"Character misc.\" list; click one to read it.",
    ],
}


def write_cp1252(path, lines, final_newline=True):
    text = "\r\n".join(lines) + ("\r\n" if final_newline else "")
    with open(path, "wb") as f:
        f.write(text.encode("cp1252"))


def main():
    data = data_root()
    assert all("\n" not in tip and tip == tip.strip() for tip in TIPS)
    outputs = [os.path.join(data, "TIPOFDAY.TXT")]
    write_cp1252(outputs[0], TIPS, final_newline=False)
    for folder, lines in FOLDERS.items():
        os.makedirs(os.path.join(data, folder), exist_ok=True)
        # An empty marker keeps an otherwise empty folder in git; a README here would show up
        # as an item of the folder's list in the program, and so would a marker beside files.
        marker = os.path.join(data, folder, ".gitkeep")
        if any(name != ".gitkeep" for name in os.listdir(os.path.dirname(marker))):
            if os.path.exists(marker):
                os.remove(marker)
            continue
        outputs.append(marker)
        open(marker, "wb").close()
    for path in outputs:
        print(f"{os.path.normpath(path)}: {os.path.getsize(path)} bytes")


if __name__ == "__main__":
    main()

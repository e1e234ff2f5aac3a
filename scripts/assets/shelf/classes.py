"""The character classes of the class lists: the facts of each class and the features of its
level table in our own short words. The level tables are computed from the progressions.

BAB: "good" (level), "average" (three quarters) or "poor" (half). saves: the good ones among
F, R, W. features: level -> what the class gains there.
"""

STANDARD = [
    dict(name="Barbarian", hd=12, skills=4, bab="good", saves="F", key="Strength, Constitution, Dexterity",
         role="A front-line warrior who trades caution for fury. The barbarian hits hard, shrugs off "
              "wounds and moves fast, and is at home in the wild rather than the city.",
         table="Rage is the heart of the class: count its uses per day and remember the fatigue "
               "that follows it. A barbarian who cannot read is a good source of role-play, not a "
               "penalty to enforce harshly.",
         features={1: "Fast movement (+10 ft), illiteracy, rage 1/day", 2: "Uncanny dodge", 3: "Trap sense +1",
                   4: "Rage 2/day", 5: "Improved uncanny dodge", 6: "Trap sense +2", 7: "Damage reduction 1/-",
                   8: "Rage 3/day", 9: "Trap sense +3", 10: "Damage reduction 2/-", 11: "Greater rage",
                   12: "Rage 4/day, trap sense +4", 13: "Damage reduction 3/-", 14: "Indomitable will",
                   15: "Trap sense +5", 16: "Damage reduction 4/-, rage 5/day", 17: "Tireless rage",
                   18: "Trap sense +6", 19: "Damage reduction 5/-", 20: "Mighty rage, rage 6/day"}),
    dict(name="Bard", hd=6, skills=6, bab="average", saves="RW", key="Charisma, Dexterity, Intelligence",
         role="A performer, scholar and spellcaster who makes everyone around better. The bard "
              "knows a little of everything, talks the party out of trouble and casts arcane "
              "spells (up to 6th level) without preparing them.",
         table="Bardic knowledge is a fine way to hand out clues: let the bard roll whenever the "
               "party meets a legend, a noble house or a strange item.",
         features={1: "Bardic music, bardic knowledge, countersong, fascinate, inspire courage +1",
                   3: "Inspire competence", 6: "Suggestion", 8: "Inspire courage +2", 9: "Inspire greatness",
                   12: "Song of freedom", 14: "Inspire courage +3", 15: "Inspire heroics",
                   18: "Mass suggestion", 20: "Inspire courage +4"},
         spells="arcane, spontaneous", spell_levels={1: 0, 2: 1, 4: 2, 7: 3, 10: 4, 13: 5, 16: 6}),
    dict(name="Cleric", hd=8, skills=2, bab="average", saves="FW", key="Wisdom, Charisma",
         role="The servant of a god, armoured and armed, and the party's best healer. Two "
              "domains shape what the cleric's faith adds to the common list of divine spells.",
         table="Ask the player for the deity, its two domains and one thing the god forbids; it "
               "gives you temples, rivals and quests for free.",
         features={1: "Aura, turn or rebuke undead, two domains, spontaneous cure or inflict spells"},
         spells="divine, prepared", spell_levels={1: 1, 3: 2, 5: 3, 7: 4, 9: 5, 11: 6, 13: 7, 15: 8, 17: 9}),
    dict(name="Druid", hd=8, skills=4, bab="average", saves="FW", key="Wisdom, Constitution",
         role="A keeper of the wild who casts divine spells, travels with an animal companion "
              "and, from 5th level, takes the shape of beasts. Druids shun metal armour.",
         table="The animal companion is a second character on the battlefield; keep its "
               "statistics next to the druid's in the Battle Box.",
         features={1: "Animal companion, nature sense, wild empathy", 2: "Woodland stride", 3: "Trackless step",
                   4: "Resist nature's lure", 5: "Wild shape 1/day", 6: "Wild shape 2/day", 7: "Wild shape 3/day",
                   8: "Wild shape (Large)", 9: "Venom immunity", 10: "Wild shape 4/day", 11: "Wild shape (Tiny)",
                   12: "Wild shape (plant)", 13: "A thousand faces", 14: "Wild shape 5/day",
                   15: "Timeless body, wild shape (Huge)", 16: "Wild shape (elemental 1/day)",
                   18: "Wild shape 6/day, elemental 2/day", 20: "Wild shape (elemental 3/day, Huge elemental)"},
         spells="divine, prepared", spell_levels={1: 1, 3: 2, 5: 3, 7: 4, 9: 5, 11: 6, 13: 7, 15: 8, 17: 9}),
    dict(name="Fighter", hd=10, skills=2, bab="good", saves="F", key="Strength, Constitution, Dexterity",
         role="The master of arms and armour. The fighter gains more feats than any other class "
              "and can be built as a shield wall, an archer, a duellist or a tripping expert.",
         table="A fighter's player enjoys choices in combat: terrain, enemies worth tripping or "
               "disarming, and magic weapons that suit the chosen feats.",
         features={1: "Bonus feat", **{level: "Bonus feat" for level in range(2, 21, 2)}}),
    dict(name="Monk", hd=8, skills=4, bab="average", saves="FRW", key="Wisdom, Dexterity, Strength",
         role="A disciplined fighter who strikes with bare hands, moves faster than anyone and "
              "grows resistant to poison, disease and magic. Monks wear no armour and stay lawful.",
         table="Give the monk room to move: wide rooms, balconies and chasms make the class shine.",
         features={1: "Bonus feat, flurry of blows, unarmed strike (1d6)", 2: "Bonus feat, evasion",
                   3: "Still mind, fast movement (+10 ft)", 4: "Ki strike (magic), slow fall 20 ft, unarmed 1d8",
                   5: "Purity of body", 6: "Bonus feat, slow fall 30 ft, fast movement (+20 ft)",
                   7: "Wholeness of body", 8: "Slow fall 40 ft, unarmed 1d10",
                   9: "Improved evasion, fast movement (+30 ft)", 10: "Ki strike (lawful), slow fall 50 ft",
                   11: "Diamond body, greater flurry", 12: "Abundant step, slow fall 60 ft, fast movement (+40 ft), unarmed 2d6",
                   13: "Diamond soul", 14: "Slow fall 70 ft", 15: "Quivering palm, fast movement (+50 ft)",
                   16: "Ki strike (adamantine), slow fall 80 ft, unarmed 2d8",
                   17: "Timeless body, tongue of the sun and moon", 18: "Slow fall 90 ft, fast movement (+60 ft)",
                   19: "Empty body", 20: "Perfect self, slow fall any distance, unarmed 2d10"}),
    dict(name="Paladin", hd=10, skills=2, bab="good", saves="F", key="Charisma, Strength, Wisdom",
         role="A holy warrior sworn to law and good. The paladin smites evil, heals by touch, "
              "protects allies from fear and later rides a loyal mount and casts a few divine spells.",
         table="Talk with the player about the code of conduct before the campaign starts, so "
               "that a moral dilemma is a story and not a trap.",
         features={1: "Aura of good, detect evil, smite evil 1/day", 2: "Divine grace, lay on hands",
                   3: "Aura of courage, divine health", 4: "Turn undead", 5: "Smite evil 2/day, special mount",
                   6: "Remove disease 1/week", 9: "Remove disease 2/week", 10: "Smite evil 3/day",
                   12: "Remove disease 3/week", 15: "Smite evil 4/day, remove disease 4/week",
                   18: "Remove disease 5/week", 20: "Smite evil 5/day"},
         spells="divine, prepared", spell_levels={4: 1, 8: 2, 11: 3, 14: 4}),
    dict(name="Ranger", hd=8, skills=6, bab="good", saves="FR", key="Dexterity, Wisdom, Strength",
         role="A hunter and scout of the wilds, deadly against the creatures it has studied. "
              "The ranger tracks, fights with two weapons or a bow and later gains an animal "
              "companion and a few divine spells.",
         table="Favored enemies tell you what the player wants to meet: put them in your adventures.",
         features={1: "1st favored enemy, Track, wild empathy", 2: "Combat style", 3: "Endurance",
                   4: "Animal companion", 5: "2nd favored enemy", 6: "Improved combat style",
                   7: "Woodland stride", 8: "Swift tracker", 9: "Evasion", 10: "3rd favored enemy",
                   11: "Combat style mastery", 13: "Camouflage", 15: "4th favored enemy",
                   17: "Hide in plain sight", 20: "5th favored enemy"},
         spells="divine, prepared", spell_levels={4: 1, 8: 2, 11: 3, 14: 4}),
    dict(name="Rogue", hd=6, skills=8, bab="average", saves="R", key="Dexterity, Intelligence, Charisma",
         role="The expert of skills: locks, traps, lies, climbing and a knife in the back. The "
              "rogue deals heavy sneak-attack damage to foes caught off guard or flanked.",
         table="Make room for the rogue's skills outside combat: locked doors, guarded letters, "
               "people to fool. Remember that undead and constructs ignore sneak attacks.",
         features={1: "Sneak attack +1d6, trapfinding", 2: "Evasion", 3: "Sneak attack +2d6, trap sense +1",
                   4: "Uncanny dodge", 5: "Sneak attack +3d6", 6: "Trap sense +2", 7: "Sneak attack +4d6",
                   8: "Improved uncanny dodge", 9: "Sneak attack +5d6, trap sense +3", 10: "Special ability",
                   11: "Sneak attack +6d6", 12: "Trap sense +4", 13: "Sneak attack +7d6, special ability",
                   15: "Sneak attack +8d6, trap sense +5", 16: "Special ability", 17: "Sneak attack +9d6",
                   18: "Trap sense +6", 19: "Sneak attack +10d6, special ability"}),
    dict(name="Sorcerer", hd=4, skills=2, bab="poor", saves="W", key="Charisma, Dexterity, Constitution",
         role="An arcane caster whose magic is inborn. The sorcerer knows few spells but casts "
              "them more often than a wizard and never needs a spellbook.",
         table="A sorcerer's magic comes from somewhere: a dragon in the family tree, a "
               "planar touch, an old curse. That origin is an adventure waiting to happen.",
         features={1: "Summon familiar"},
         spells="arcane, spontaneous", spell_levels={1: 1, 4: 2, 6: 3, 8: 4, 10: 5, 12: 6, 14: 7, 16: 8, 18: 9}),
    dict(name="Wizard", hd=4, skills=2, bab="poor", saves="W", key="Intelligence, Dexterity, Constitution",
         role="The scholar of arcane magic, with the widest choice of spells of any class. The "
              "wizard prepares spells each morning from a spellbook and may specialise in a school.",
         table="Spellbooks, scrolls and libraries are treasure for a wizard; a lost spellbook is "
               "a whole adventure.",
         features={1: "Summon familiar, Scribe Scroll", 5: "Bonus feat", 10: "Bonus feat", 15: "Bonus feat",
                   20: "Bonus feat"},
         spells="arcane, prepared", spell_levels={1: 1, 3: 2, 5: 3, 7: 4, 9: 5, 11: 6, 13: 7, 15: 8, 17: 9}),
]

CASTER = "+1 level of existing spellcasting class"
PRESTIGE = [
    dict(name="Arcane Archer", hd=8, skills=4, bab="good", saves="FR", key="Dexterity, Strength",
         role="An archer who weaves arcane power into arrows, from enchanted shots to arrows that "
              "pass through walls and, at last, an arrow that slays.",
         requirements=["Base attack bonus +6", "Point Blank Shot, Precise Shot, Weapon Focus (longbow or shortbow)",
                       "Race: elf or half-elf", "Able to cast 1st-level arcane spells"],
         features={1: "Enhance arrow +1", 2: "Imbue arrow", 3: "Enhance arrow +2", 4: "Seeker arrow",
                   5: "Enhance arrow +3", 6: "Phase arrow", 7: "Enhance arrow +4", 8: "Hail of arrows",
                   9: "Enhance arrow +5", 10: "Arrow of death"}),
    dict(name="Arcane Trickster", hd=4, skills=4, bab="poor", saves="RW", key="Intelligence, Dexterity",
         role="A rogue and arcane caster in one, who steals from a distance and turns spells into "
              "sneak attacks.",
         requirements=["Alignment: any nonlawful", "Decipher Script 7 ranks, Disable Device 7 ranks, "
                       "Escape Artist 7 ranks, Knowledge (arcana) 4 ranks",
                       "Able to cast mage hand and at least one arcane spell of 3rd level",
                       "Sneak attack +2d6"],
         features={1: "Ranged legerdemain 1/day", 2: "Sneak attack +1d6", 3: "Impromptu sneak attack 1/day",
                   4: "Sneak attack +2d6", 5: "Ranged legerdemain 2/day", 6: "Sneak attack +3d6",
                   7: "Impromptu sneak attack 2/day", 8: "Sneak attack +4d6", 9: "Ranged legerdemain 3/day",
                   10: "Sneak attack +5d6"}, caster=range(1, 11)),
    dict(name="Archmage", hd=4, skills=2, bab="poor", saves="W", key="Intelligence", levels=5,
         role="A master of arcane magic who gives up spell slots to gain rare powers over spells "
              "themselves. The class has five levels.",
         requirements=["Knowledge (arcana) 15 ranks, Spellcraft 15 ranks",
                       "Skill Focus (Spellcraft), Spell Focus in two schools",
                       "Able to cast 7th-level arcane spells and to know 5th-level spells of at least five schools"],
         features={level: "High arcana" for level in range(1, 6)}, caster=range(1, 6)),
    dict(name="Assassin", hd=6, skills=4, bab="average", saves="R", key="Dexterity, Intelligence",
         role="A killer for hire who studies a victim and strikes once. The assassin casts a few "
              "arcane spells of stealth and death and handles poison safely.",
         requirements=["Alignment: any evil", "Disguise 4 ranks, Hide 8 ranks, Move Silently 8 ranks",
                       "Must kill someone for no other reason than to join the assassins"],
         features={1: "Sneak attack +1d6, death attack, poison use, spells", 2: "+1 save against poison, uncanny dodge",
                   3: "Sneak attack +2d6", 4: "+2 save against poison", 5: "Improved uncanny dodge, sneak attack +3d6",
                   6: "+3 save against poison", 7: "Sneak attack +4d6", 8: "Hide in plain sight, +4 save against poison",
                   9: "Sneak attack +5d6", 10: "+5 save against poison"}),
    dict(name="Blackguard", hd=10, skills=2, bab="good", saves="F", key="Strength, Charisma",
         role="A dark knight in the service of evil powers, the mirror of the paladin: smites good, "
              "commands undead and gains a fiendish servant.",
         requirements=["Alignment: any evil", "Base attack bonus +6", "Hide 5 ranks, Knowledge (religion) 2 ranks",
                       "Cleave, Improved Sunder, Power Attack",
                       "Must have made peaceful contact with an evil outsider"],
         features={1: "Aura of evil, detect good, poison use, spells", 2: "Dark blessing, smite good 1/day",
                   3: "Aura of despair, command undead", 4: "Sneak attack +1d6", 5: "Fiendish servant, smite good 2/day",
                   7: "Sneak attack +2d6", 10: "Sneak attack +3d6, smite good 3/day"}),
    dict(name="Dragon Disciple", hd=12, skills=2, bab="average", saves="FW", key="Charisma, Strength",
         role="A spontaneous caster who awakens the dragon blood in the family line, growing scales, "
              "claws, a breath weapon and finally wings.",
         requirements=["Race: any nondragon", "Knowledge (arcana) 8 ranks", "Languages: Draconic",
                       "Able to cast arcane spells without preparing them"],
         features={1: "Natural armor +1, bonus spells", 2: "Claws and bite, Strength +2", 3: "Breath weapon",
                   4: "Natural armor +2, Strength +2", 5: "Blindsense 30 ft", 6: "Constitution +2",
                   7: "Natural armor +3", 8: "Intelligence +2", 9: "Wings",
                   10: "Blindsense 60 ft, dragon apotheosis"}),
    dict(name="Duelist", hd=10, skills=4, bab="good", saves="R", key="Dexterity, Intelligence",
         role="A nimble swordfighter who wears no heavy armour and relies on speed, wit and the "
              "precise point of a light blade.",
         requirements=["Base attack bonus +6", "Perform 3 ranks, Tumble 5 ranks", "Dodge, Mobility, Weapon Finesse"],
         features={1: "Canny defense", 2: "Improved reaction +2", 3: "Enhanced mobility", 4: "Grace",
                   5: "Precise strike +1d6", 6: "Acrobatic charge", 7: "Elaborate parry",
                   8: "Improved reaction +4", 9: "Deflect Arrows", 10: "Precise strike +2d6"}),
    dict(name="Dwarven Defender", hd=12, skills=2, bab="good", saves="FW", key="Constitution, Strength",
         role="A stubborn guardian who plants the feet and holds a doorway against anything.",
         requirements=["Race: dwarf", "Alignment: any lawful", "Base attack bonus +7", "Dodge, Endurance, Toughness"],
         features={1: "AC bonus +1, defensive stance 1/day", 2: "Uncanny dodge", 3: "Defensive stance 2/day",
                   4: "AC bonus +2, trap sense +1", 5: "Defensive stance 3/day",
                   6: "Damage reduction 3/-, improved uncanny dodge", 7: "AC bonus +3, defensive stance 4/day",
                   8: "Mobile defense, trap sense +2", 9: "Defensive stance 5/day",
                   10: "AC bonus +4, damage reduction 6/-"}),
    dict(name="Eldritch Knight", hd=6, skills=2, bab="good", saves="F", key="Strength, Intelligence",
         role="A warrior-mage who keeps a fighter's attack and hit points while still rising in "
              "arcane power.",
         requirements=["Proficient with all martial weapons", "Able to cast 3rd-level arcane spells"],
         features={1: "Bonus feat"}, caster=range(2, 11)),
    dict(name="Hierophant", hd=8, skills=2, bab="poor", saves="FW", key="Wisdom", levels=5,
         role="A high priest who gives up spell slots for the deepest gifts of faith. The class "
              "has five levels.",
         requirements=["Knowledge (religion) 15 ranks", "Any metamagic feat", "Able to cast 7th-level divine spells"],
         features={level: "Special ability" for level in range(1, 6)}, caster=range(1, 6)),
    dict(name="Horizon Walker", hd=8, skills=4, bab="good", saves="F", key="Wisdom, Constitution",
         role="A traveller who has been everywhere and learns each land, and later each plane, "
              "until no place is strange.",
         requirements=["Knowledge (geography) 8 ranks", "Endurance"],
         features={**{level: "Terrain mastery" for level in range(1, 6)},
                   **{level: "Planar terrain mastery" for level in range(6, 11)}}),
    dict(name="Loremaster", hd=4, skills=4, bab="poor", saves="W", key="Intelligence, Wisdom",
         role="A collector of secrets who knows something about everything, learns languages and "
              "keeps rising in spellcasting.",
         requirements=["Knowledge (any two) 10 ranks each", "Skill Focus (Knowledge) and any three metamagic "
                       "or item creation feats", "Able to cast seven divinations, one of 3rd level or higher"],
         features={1: "Secret", 2: "Lore", 3: "Secret", 4: "Bonus language", 5: "Secret", 6: "Greater lore",
                   7: "Secret", 8: "Bonus language", 9: "Secret", 10: "True lore"}, caster=range(1, 11)),
    dict(name="Mystic Theurge", hd=4, skills=2, bab="poor", saves="W", key="Wisdom, Intelligence, Charisma",
         role="A caster of both arcane and divine magic who advances both at once.",
         requirements=["Knowledge (arcana) 6 ranks, Knowledge (religion) 6 ranks",
                       "Able to cast 2nd-level arcane and 2nd-level divine spells"],
         features={level: "+1 level of arcane and of divine spellcasting" for level in range(1, 11)}),
    dict(name="Shadowdancer", hd=8, skills=6, bab="average", saves="R", key="Dexterity, Charisma",
         role="A performer of the dark who hides in plain sight, steps from shadow to shadow and "
              "calls a living shadow as a companion.",
         requirements=["Hide 10 ranks, Move Silently 8 ranks, Perform (dance) 5 ranks",
                       "Combat Reflexes, Dodge, Mobility"],
         features={1: "Hide in plain sight", 2: "Evasion, darkvision, uncanny dodge",
                   3: "Shadow illusion, summon shadow", 4: "Shadow jump 20 ft",
                   5: "Defensive roll, improved uncanny dodge", 6: "Shadow jump 40 ft, summon shadow",
                   7: "Slippery mind", 8: "Shadow jump 80 ft", 9: "Summon shadow",
                   10: "Improved evasion, shadow jump 160 ft"}),
    dict(name="Thaumaturgist", hd=4, skills=2, bab="poor", saves="W", key="Charisma, Wisdom", levels=5,
         role="A divine caster who calls creatures from other planes and keeps them longer and "
              "stronger. The class has five levels.",
         requirements=["Spell Focus (conjuration)", "Able to cast lesser planar ally"],
         features={1: "Improved Ally", 2: "Augment Summoning", 3: "Extended summoning",
                   4: "Contingent conjuration", 5: "Planar cohort"}, caster=range(1, 6)),
]


def attack(level, kind):
    base = {"good": level, "average": level * 3 // 4, "poor": level // 2}[kind]
    return "/".join(f"+{b}" for b in range(base, 0, -5)) or "+0"


def save(level, good):
    return f"+{2 + level // 2 if good else level // 3}"


def features_of(c, level):
    parts = [c["features"][level]] if level in c["features"] else []
    if level in c.get("caster", ()):
        parts.append(CASTER)
    if level in c.get("spell_levels", {}):
        spell = c["spell_levels"][level]
        parts.append(f"{spell}{ {1: 'st', 2: 'nd', 3: 'rd'}.get(spell, 'th')}-level spells" if spell else "cantrips")
    text = ", ".join(parts) or "-"
    return text[0].upper() + text[1:]


def document(c, prestige):
    levels = c.get("levels", 10 if prestige else 20)
    lines = [f"# {c['name']}", "", c["role"], "",
             f"**Hit die:** d{c['hd']}", "",
             f"**Skill points per level:** {c['skills']} + Intelligence modifier"
             + ("" if prestige else f" (four times that at 1st level)"), "",
             f"**Key abilities:** {c['key']}", ""]
    if "spells" in c:
        lines += [f"**Spellcasting:** {c['spells']}; the level table names the level at which each "
                  "new spell level is first cast.", ""]
    if prestige:
        lines += ["## Requirements", ""] + [f"- {r}" for r in c["requirements"]] + [""]
    else:
        lines += ["## At the table", "", c["table"], ""]
    lines += [f"## Level table ({levels} levels)", "",
              "| Level | Base attack | Fort | Ref | Will | Special |"]
    for level in range(1, levels + 1):
        lines.append(f"| {level} | {attack(level, c['bab'])} | {save(level, 'F' in c['saves'])} | "
                     f"{save(level, 'R' in c['saves'])} | {save(level, 'W' in c['saves'])} | {features_of(c, level)} |")
    lines += ["", "Base attack and saves are the class's own; add those of other classes and the "
              "ability modifiers. A base attack of +6 or more gives another attack at 5 less."]
    return "\n".join(lines)


def documents():
    for c in STANDARD:
        yield c["name"], document(c, False)
    for c in PRESTIGE:
        yield c["name"], document(c, True)

"""The five hotspot screens: captions, backgrounds and every hotspot's strip, place and label."""

from collections import namedtuple

# frame_w/frame_h are one frame; the strip on disk is frame_w x (3 * frame_h).
Hotspot = namedtuple("Hotspot", "art left top frame_w frame_h label sublabel emblem")
# tagline: a line under the caption; ornaments: large faint emblems (name, left, top, size) in the margins
Screen = namedtuple("Screen", "key caption backdrop visible_height tagline ornaments hotspots")

FRAMES = 3


def _h(art, left, top, w, h, label, sublabel="", emblem=""):
    return Hotspot(art, left, top, w, h, label, sublabel, emblem)


MAIN = Screen("main", "Kinloom 7.0 Solstice Edition", "artMainBackground", 453, "", [], [
    _h("artArbora", 218, 239, 185, 98, "Arbora", "Family Tree", "tree"),
    _h("artPlotwise", 356, 383, 122, 59, "Plotwise", "Charts"),
    _h("artResearch", 51, 194, 121, 77, "Research", "Center", "lens"),
    _h("artAncestry", 146, 368, 140, 73, "Genealogy", "Online"),
    _h("artTutor", 14, 407, 104, 44, "Tutorial"),
    _h("artInternet", 466, 195, 111, 77, "Internet", "Center", "globe"),
    _h("artQuit", 519, 405, 104, 44, "Exit"),
    _h("artFamily", 30, 296, 98, 76, "Family", "Center", "family"),
    _h("artTY", 476, 300, 148, 68, "Tessary", "Center", "scroll"),
])

RESEARCH = Screen("research", "Kinloom Research Center", "artBackDrop", 452,
                  "Indexes, rolls and passenger lists", [("lens", 22, 200, 116), ("ship", 492, 200, 116)], [
    _h("artKWNI", 176, 121, 266, 48, "World Name Index"),
    _h("artMuster", 154, 258, 312, 40, "Civil War Muster Rolls"),
    _h("artEllis", 213, 348, 186, 39, "Ellis Island"),
    _h("artHistRec", 190, 214, 237, 39, "Historic Records"),
    _h("artSSI", 162, 172, 293, 39, "Social Security Index"),
    _h("artShips", 190, 304, 239, 40, "Immigrant Ships"),
    _h("artToMain", 19, 409, 157, 37, "Main Menu"),
    _h("artQuit", 448, 411, 161, 37, "Exit"),
])

FAMILY = Screen("family", "Kinloom Family Center", "artBackDrop", 452,
                "Photographs, names and family pages", [("family", 70, 118, 110), ("frame", 452, 118, 110)], [
    _h("artFL", 222, 166, 188, 82, "Framelet", "Photo Albums", "frame"),
    _h("artBrindleHome", 372, 252, 205, 79, "Brindle", "Home Page", "globe"),
    _h("artMyFamily", 62, 252, 200, 79, "Family", "Web Site", "family"),
    _h("artNames", 218, 343, 200, 73, "Names", "Glossary", "book"),
    _h("artQuit", 495, 400, 107, 46, "Exit"),
    _h("artToMain", 43, 399, 112, 47, "Main Menu"),
])

TY = Screen("ty", "Kinloom Tessary Center", "artBackDrop", 452,
            "Census, marriage and land records", [("scroll", 32, 200, 112), ("book", 490, 200, 112)], [
    _h("artLand", 219, 238, 205, 36, "Land Ownership Records"),
    _h("artMarriage", 196, 193, 245, 36, "Marriage Records"),
    _h("artCatalog", 164, 278, 317, 36, "Catalog"),
    _h("artTYcom", 186, 321, 268, 36, "Tessary Home Page"),
    _h("artBulletin", 164, 361, 318, 36, "Tessary Bulletin"),
    _h("artCensus", 196, 148, 220, 36, "Census Records"),
    _h("artToMain", 100, 403, 131, 30, "Main Menu"),
    _h("artQuit", 406, 403, 130, 30, "Exit"),
])

INTERNET = Screen("internet", "Kinloom Internet Center", "artBackDrop", 452,
                  "Genealogy on the World Wide Web", [("globe", 28, 200, 112), ("quill", 492, 200, 112)], [
    _h("artVarnel", 223, 133, 171, 38, "Genealogy Links"),
    _h("artWorldTree", 163, 180, 293, 38, "Shared Family Trees"),
    _h("artFamilyHistory", 175, 316, 264, 38, "Family History Online"),
    _h("artIDet", 178, 225, 262, 37, "People Finder"),
    _h("artRecords", 177, 360, 264, 40, "Record Requests"),
    _h("artTalk", 219, 270, 169, 38, "Genealogy Talk Show"),
    _h("artToMain", 47, 416, 113, 31, "Main Menu"),
    _h("artQuit", 496, 415, 101, 33, "Exit"),
])

SCREENS = [MAIN, RESEARCH, FAMILY, TY, INTERNET]

BACKDROP_SIZE = (632, 453)
WELCOME_ART = "welcome-artTutorial"
WELCOME_SIZE = (139, 103)
# Every picture is drawn at 1x (96 DPI) and at 2x (192 DPI), each scale in a folder of its own.
SCALES = (1, 2)
ART_DIRS = {1: "art", 2: "art-2x"}
# The icon's 1x images, and the sizes Windows asks for at 125 % to 200 % (small and large icons).
ICON_SIZES = (16, 32, 48, 256)
ICON_SCALED_SIZES = (20, 24, 40, 64, 96)


def frame_box(hotspot, k=1):
    """(left, top, right, bottom) of the hotspot on its screen at scale k."""
    return (hotspot.left * k, hotspot.top * k, (hotspot.left + hotspot.frame_w) * k, (hotspot.top + hotspot.frame_h) * k)


def file_stem(screen, art):
    return "%s-%s" % (screen.key, art)

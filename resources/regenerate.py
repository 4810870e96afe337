#!/usr/bin/env python3
# Remakes the derived pictures from their hand-written SVG sources: the greyed look of every
# tool-button picture, its look for dark themes, their PNG renderings, the program icon's small
# PNGs and the About picture.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick; the results are committed, so a build
# never runs this.
import pathlib
import re
import subprocess

HERE = pathlib.Path(__file__).resolve().parent
ICONS = HERE / "icons"
PICTURES = HERE / "pictures"
PROGRAM_ICON = "shroud-a-pad"
TOOL_BUTTONS = ("new", "open", "save", "cut", "copy", "paste", "selectall", "delete", "undo",
                "encrypt", "decrypt")

COLOUR = re.compile(r"#([0-9a-fA-F]{6})\b")
SHINE = re.compile(r"\s*<[^<>]*class=\"shine\"[^<>]*/>")
FIRST_COMMENT = re.compile(r"<!-- (.*?) -->")


def greyed(match):
    # A disabled button is flat and pale: every colour becomes a light grey of its brightness.
    value = int(match.group(1), 16)
    red, green, blue = value >> 16, (value >> 8) & 0xFF, value & 0xFF
    brightness = 0.299 * red + 0.587 * green + 0.114 * blue
    grey = round(255 - (255 - brightness) * 0.42)
    return "#{0:02x}{0:02x}{0:02x}".format(grey)


def write_disabled(source):
    text = SHINE.sub("", source.read_text())
    text = COLOUR.sub(greyed, text)
    text = FIRST_COMMENT.sub(r"<!-- \1  Greyed look, shown while the button is disabled. -->",
                             text, count=1)
    source.with_name(source.stem + "-disabled.svg").write_text(text)


# The dark ink that outlines the pictures, and the light ink it becomes on a dark theme, on
# whose dark tool bar the dark outlines and the black strokes of "All" and the cross would not
# show.
DARK_INKS = re.compile(r"#(2e3436|000000)\b", re.IGNORECASE)
LIGHT_INK = "#eeeeec"


def render_for_dark_themes(name):
    text = DARK_INKS.sub(LIGHT_INK, (ICONS / f"{name}.svg").read_text())
    for zoom, tail in (("1", ""), ("2", "@2x")):
        subprocess.run(["rsvg-convert", "-z", zoom, "-o", str(ICONS / f"{name}-dark{tail}.png")],
                       input=text.encode(), check=True)


def render(source, target, size):
    subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), "-o", str(target),
                    str(source)], check=True)


def render_tool_button(name):
    # At one and two times the drawing's own size; the program shows these, not the SVG.
    for suffix in ("", "-disabled"):
        source = ICONS / f"{name}{suffix}.svg"
        for zoom, tail in (("1", ""), ("2", "@2x")):
            subprocess.run(["rsvg-convert", "-z", zoom, "-o",
                            str(ICONS / f"{name}{suffix}{tail}.png"), str(source)], check=True)


def main():
    for name in TOOL_BUTTONS:
        write_disabled(ICONS / f"{name}.svg")
        render_tool_button(name)
        render_for_dark_themes(name)
    for size in (16, 32):
        render(ICONS / f"{PROGRAM_ICON}.svg", ICONS / f"{PROGRAM_ICON}-{size}.png", size)
    # The About picture keeps to 256 colours, like the bitmap it stands for.
    about = PICTURES / "about.png"
    subprocess.run(["rsvg-convert", "-o", str(about), str(PICTURES / "about.svg")], check=True)
    subprocess.run(["convert", str(about), "-dither", "None", "-colors", "256", "-strip",
                    "PNG8:" + str(about)], check=True)


if __name__ == "__main__":
    main()

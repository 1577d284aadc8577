#!/bin/bash
# Renders the committed PNG icons from their SVG sources. Needs rsvg-convert
# (Debian: librsvg2-bin) and ImageMagick's convert; the PNGs are committed,
# so a build never runs this. Stripped of time stamps, the output is the
# same on every run with the same tools.
set -euo pipefail
cd "$(dirname "$0")"

render() {  # source size output
    rsvg-convert --width "$2" --height "$2" "$1" |
        convert png:- -strip -define png:exclude-chunks=date,time "PNG32:$3"
}

render nira.svg 32 nira-32.png
render nira-16.svg 16 nira-16.png
render prev.svg 32 prev.png
render next.svg 32 next.png

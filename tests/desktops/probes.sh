# The per-desktop ways of looking and of giving input, sourced by matrix.sh with
# $desktop and $work set. Rects are WxH+X+Y in X root (= layout) coordinates.

x_rect() { # window id
  xwininfo -id "$1" 2>/dev/null | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /^ *Width/ {w=$NF} /^ *Height/ {h=$NF} END {if (w) print w "x" h "+" x "+" y}'
}
outputs() {
  xrandr --listmonitors | awk 'NR > 1 {print $3}' | sed -E 's|/[0-9-]+||g' | sort
}
# "x y w h" of each rect on stdin, intersected with one "x y w h".
clip_to() {
  awk -v cx="$1" -v cy="$2" -v cw="$3" -v ch="$4" -F'[x+]' '{
    x1 = $3 > cx ? $3 : cx; y1 = $4 > cy ? $4 : cy
    x2 = $3 + $1 < cx + cw ? $3 + $1 : cx + cw; y2 = $4 + $2 < cy + ch ? $4 + $2 : cy + ch
    if (x2 > x1 && y2 > y1) print (x2 - x1) "x" (y2 - y1) "+" x1 "+" y1 }'
}

# The part of each output that windows may use, one rect an output.
work_areas() {
  case $desktop in
    sway)
      swaymsg -t get_workspaces -r | python3 -c 'import json, sys
for w in json.load(sys.stdin):
    if w["visible"]:
        r = w["rect"]; print("%dx%d+%d+%d" % (r["width"], r["height"], r["x"], r["y"]))' | sort ;;
    kde)
      # Plasma's panels are Wayland surfaces: their edges come from the shell's scripting.
      local panels
      panels=$(bus_call org.kde.plasmashell /PlasmaShell org.kde.PlasmaShell.evaluateScript \
        "string:panels().forEach(function (p) { print(p.screen + ' ' + p.location + ' ' + p.height + '\n') })")
      outputs | awk -v panels="$panels" -F'[x+]' 'BEGIN { n = split(panels, l, "\n") }
        { w = $1; h = $2; x = $3; y = $4
          for (i = 1; i <= n; i++) { split(l[i], p, " "); if (p[1] != NR - 1) continue
            if (p[2] == "top") { y += p[3]; h -= p[3] } else if (p[2] == "bottom") h -= p[3]
            else if (p[2] == "left") { x += p[3]; w -= p[3] } else if (p[2] == "right") w -= p[3] }
          print w "x" h "+" x "+" y }' ;;
    *)
      local area
      area=$(xprop -root _NET_WORKAREA | awk -F' = ' '{print $2}' | tr -d ' ' | cut -d, -f1-4 | tr , ' ')
      outputs | clip_to $area ;;
  esac
}

# Where the status item sits: the tray is at the right end of the bar on the first output.
item_point() {
  case $desktop in
    kde) echo "1180 1000" ;;
    gnome) echo "1100 16" ;;
    *) echo "1268 13" ;;
  esac
}

# On Wayland sessions this is XTEST inside Xwayland: it reaches X clients only.
click_at() { # x y
  xdotool mousemove "$1" "$2" click 1
}
# Opens the panel the way the host does on a click: a real click on Xfce's tray, else
# the Activate call the host sends (Plasma on a click, the GNOME extension on a double
# click, waybar on a click but with the point relative to the icon) with the click's
# point. Headless sway has no pointer device for a click to come from.
open_panel() {
  local point
  point=$(item_point)
  case $desktop in
    xfce) click_at $point ;;
    *) bus_call "$item_name" /StatusNotifierItem org.kde.StatusNotifierItem.Activate \
      "int32:${point% *}" "int32:${point#* }" >/dev/null ;;
  esac
}

press_key() { # key name (xdotool's): one key pressed and released
  case $desktop in
    sway) wtype -k "$1" ;;
    gnome) echo "$1" >&"$gnome_keys" && read -r -t 5 _ <&"$gnome_sent" ;;
    *) xdotool key "$1" ;;
  esac
}
type_keys() { # letters
  local i
  for ((i = 0; i < ${#1}; i++)); do press_key "${1:i:1}"; done
}
# Input that counts as the user being back.
nudge() {
  case $desktop in
    sway) wtype -k Shift_L ;;
    gnome) press_key Shift_L ;;
    kde) "$work/kwin-nudge" ;;
    *) xdotool mousemove_relative 5 5 key Shift_L ;;
  esac
}

# The key logger: X11 on Xfce, a native Wayland app elsewhere, as most apps there are;
# on Plasma X11 too, since keys can only be typed through Xwayland there.
logger_backend() { case $desktop in xfce | kde) echo x11 ;; *) echo wayland ;; esac; }
focus_window() { # title X-window-id (0 on Wayland, where a new window gets the focus)
  case $desktop in
    sway) swaymsg "[title=\"^$1\$\"] focus" >/dev/null ;;
    *) [ "$2" = 0 ] || xdotool windowactivate --sync "$2" 2>/dev/null || xdotool windowfocus --sync "$2" ;;
  esac
}

# Popups on screen, one id a line; empty where the daemon shows nothing observable.
popups_observable() { case $desktop in xfce | sway) true ;; *) false ;; esac; }
popups() {
  case $desktop in
    xfce) xdotool search --onlyvisible --classname '^xfce4-notifyd$' 2>/dev/null | sort ;;
    sway) makoctl list 2>/dev/null | python3 -c 'import json, sys
for group in json.load(sys.stdin)["data"]:
    for n in group: print(n["id"]["data"])' | sort ;;
  esac
}

# Do Not Disturb switched on the desktop's own way; prints how.
dnd_on() {
  case $desktop in
    xfce)
      xfconf-query -c xfce4-notifyd -p /do-not-disturb -n -t bool -s true
      echo "xfconf xfce4-notifyd /do-not-disturb true" ;;
    gnome)
      gsettings set org.gnome.desktop.notifications show-banners false
      echo "gsettings show-banners false" ;;
    sway)
      makoctl mode -s do-not-disturb >/dev/null
      echo "makoctl mode do-not-disturb (mako tells clients nothing)" ;;
    kde)
      coproc inhibit { "$here/hold-inhibit.py"; }
      pids+=($inhibit_PID)
      local line
      read -r -t 10 line <&"${inhibit[0]}"
      echo "Inhibit on the notification server ($line), Inhibited=$(bus_call org.freedesktop.Notifications \
        /org/freedesktop/Notifications org.freedesktop.DBus.Properties.Get \
        string:org.freedesktop.Notifications string:Inhibited | awk '{print $NF}')" ;;
  esac
}

probe_setup() {
  if [ "$desktop" = gnome ]; then
    coproc gnome_input { "$here/remote-keys.py" 2>"$out/$desktop/remote-keys.log"; }
    pids+=($gnome_input_PID)
    gnome_keys=${gnome_input[1]} gnome_sent=${gnome_input[0]}
    # A shell busy starting can take long to answer.
    read -r -t 70 _ <&"$gnome_sent" || echo "no RemoteDesktop session" >&2
  fi
}

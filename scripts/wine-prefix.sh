# Sourced by the scripts that run the Windows program under Wine: the Wine prefix of the build
# folder $1 (made when missing), Windows' classic look with its own window frames, as the
# description's screenshots show it, and the display scale `wine_dpi N` (LogPixels; 96 is 100 %),
# read by programs that start after the Wine server has ended.
export WINEPREFIX=$PWD/$1/wineprefix WINEDEBUG=-all WINEARCH=win64 LANG=cs_CZ.UTF-8
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  xvfb-run -a wine wineboot -i >/dev/null 2>&1 || true
  wineserver -w
fi
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' /v ThemeActive /d 0 /f >/dev/null 2>&1
wineserver -w
wine_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  wineserver -w
}

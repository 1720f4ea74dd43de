#!/usr/bin/env bash
# Every outside command that the project's shell scripts call comes from a Debian package that
# the set-up installs (scripts/install-deps.sh), from a package that one of those depends on, or
# from a package that every Debian system has (priority required or important). A command that
# is there only because someone installed it by hand fails here, on that very machine. Each
# script also checks (`require`) every such command it calls that a system may lack. And a font
# that covers Japanese comes from the set-up: without one every caption shows as empty boxes.
# Usage: SetupDependencies.sh SOURCE_DIR
set -euo pipefail
top=$1
source "$top/scripts/require.sh"
require test dpkg dpkg-query find awk sort fc-list

failures=()
fail() { failures+=("$*"); }

# --- The scripts and what they call -----------------------------------------------------------

# Every file below the top (builds and the repository's own files aside) that bash or sh runs.
mapfile -t scripts < <(
  find "$top" \( -path "$top/build" -o -path "$top/.git" \) -prune -o -type f -print0 |
    xargs -0 awk 'FNR == 1 && /^#!(\/usr)?\/bin\/(env )?(ba)?sh/ { print FILENAME } { nextfile }' | sort
)
[ ${#scripts[@]} -gt 0 ] || { echo "no scripts found below $top" >&2; exit 1; }

# Reads each script as the shell splits it into simple commands, and prints one line a finding:
# "FILE<TAB>require<TAB>TOOL" for each tool the script requires, "FILE<TAB>call<TAB>WORD" for the
# first word of each simple command, "FILE<TAB>function<TAB>NAME" for each function it defines.
# First a small lexer drops comments, quoted text, array values, arithmetic and here-documents,
# and turns every command boundary (a new line, ; & | { } and the start and end of $( ), <( ) and
# >( )) into a line break; an expansion stays as "$", a "${name[@]}" in quotes as "@". Then in each
# command the words that come before the command name (assignments, redirections, case
# patterns, keywords, env's options, "@" prefixes) are passed over; a command that is an
# expansion or a path is the project's own.
parse() {
  awk '
    function emit(c) { if (!discard) out = out c }
    function lex(text,   n, i, c, d, stack, top, mode, depth, word, delimiter) {
      n = length(text); top = 0; mode = "code"; depth = 0; out = ""; discard = 0
      for (i = 1; i <= n; i++) {
        c = substr(text, i, 1); d = substr(text, i + 1, 1)
        if (mode == "single") { if (c == "\x27") mode = stack[top--]; continue }
        if (c == "\\") { i++; emit(d == "\n" ? " " : "_"); continue }
        if (mode == "dq") {
          if (c == "\"") { mode = stack[top--]; continue }
          if (c == "$" && substr(text, i, 5) ~ /^\$\(\(/) { i = skip_to(text, i + 3, "))") ; emit("$"); continue }
          if (c == "$" && d == "(") { stack[++top] = "dq"; mode = "code"; i++; emit("\n"); continue }
          if (c == "$" && d == "{") { word = substr(text, i, index(substr(text, i), "}")); i += length(word) - 1; emit(word ~ /\[@\]\}$/ ? "@" : "$"); continue }
          if (c == "$") { i++; emit("$"); continue }
          emit("_"); continue
        }
        # code
        if (c == "\x27") { stack[++top] = mode; mode = "single"; continue }
        if (c == "\"") { stack[++top] = mode; mode = "dq"; continue }
        if (c == "#" && (i == 1 || substr(text, i - 1, 1) ~ /[ \t\n;]/)) { while (i < n && substr(text, i + 1, 1) != "\n") i++; continue }
        if (c == "$" && substr(text, i, 3) == "$((") { i = skip_to(text, i + 3, "))"); emit("$"); continue }
        if (c == "$" && d == "{") { word = substr(text, i, index(substr(text, i), "}")); i += length(word) - 1; emit("$"); continue }
        if ((c == "$" || c == "<" || c == ">") && d == "(") { stack[++top] = "code"; depth++; i++; emit("\n"); continue }
        if (c == "=" && d == "(") { emit("=_"); stack[++top] = "array"; discard++; i++; continue }
        if (c == "(" ) { stack[++top] = "paren"; emit(c); continue }
        if (c == ")" && top > 0 && stack[top] == "array") { top--; discard--; continue }
        if (c == ")" && top > 0 && stack[top] == "paren") { top--; emit(c); continue }
        if (c == ")" && top > 0 && (stack[top] == "code" || stack[top] == "dq")) { mode = stack[top--]; emit("\n"); continue }
        if (substr(text, i, 3) == "<<<") { emit("<<<"); i += 2; continue }
        if (substr(text, i, 2) == "<<") {
          word = substr(text, i + 2); sub(/\n.*/, "", word); sub(/^-?[ \t]*/, "", word)
          delimiter = word; sub(/[ \t;|&].*/, "", delimiter); gsub(/[\x27"]/, "", delimiter)
          i = index(substr(text, i), "\n") + i - 1             # the rest of the line goes on
          heredoc[delimiter] = 1; pending = delimiter
          emit(" "); continue
        }
        if (c == "\n" && pending != "") {
          emit("\n")
          while (i < n) { word = substr(text, i + 1); sub(/\n.*/, "", word); i += length(word) + 1; sub(/^\t*/, "", word); if (word == pending) break }
          pending = ""; continue
        }
        if (c ~ /[;&|{}`]/) { emit("\n"); continue }
        emit(c)
      }
      return out
    }
    function skip_to(text, i, closing,   level) {
      level = 1
      for (; i <= length(text); i++) {
        if (substr(text, i, 1) == "(") level++
        if (substr(text, i, 1) == ")" && --level == 0) return i + (closing == "))" ? 1 : 0)
      }
      return i
    }
    function command_of(segment, file,   n, words, i, word) {
      n = split(segment, words, /[ \t]+/)
      for (i = 1; i <= n; i++) {
        word = words[i]
        if (word == "" || word ~ /^@+$/ || word ~ /^[A-Za-z_][A-Za-z0-9_]*(\[[^]]*\])?\+?=/) continue
        if (word ~ /^[0-9]*[<>]/ || word ~ /\)$/ || word ~ /^\(/) continue
        if (word ~ /^(if|then|else|elif|do|while|until|!|exec|time|nohup)$/) continue
        if (word == "env") { while (i < n && words[i + 1] ~ /^-/) i += (words[i + 1] == "-u") ? 2 : 1; continue }
        if (word ~ /^(case|for|select|in|esac|done|fi|function|command|type)$/) return ""
        if (word == "require") { for (i += 2; i <= n; i++) if (words[i] != "") print file "\trequire\t" words[i]; return "" }
        return word
      }
      return ""
    }
    FNR == 1 && NR > 1 { report(previous, text); text = "" }
    { text = text $0 "\n"; previous = FILENAME }
    END { report(previous, text) }
    function report(file, text,   n, segments, s, segment, name, word) {
      n = split(lex(text), segments, "\n")
      for (s = 1; s <= n; s++) {
        segment = segments[s]
        if (match(segment, /^[ \t]*[A-Za-z_][A-Za-z0-9_-]*[ \t]*\([ \t]*\)/)) {
          name = substr(segment, RSTART, RLENGTH); sub(/[ \t]*\(.*/, "", name); gsub(/[ \t]/, "", name)
          print file "\tfunction\t" name
          continue
        }
        word = command_of(segment, file)
        if (word ~ /^[a-z][a-z0-9+._-]*$/) print file "\tcall\t" word
      }
    }
  ' "$@"
}

findings=$(parse "${scripts[@]}")
declare -A shell_word required # names the shell knows itself; "FILE TOOL" pairs that are required
while IFS=$'\t' read -r file kind word; do
  case "$kind" in
    function) shell_word[$word]=1 ;;
    require) required["$file $word"]=1 ;;
  esac
done <<<"$findings"
while read -r word; do shell_word[$word]=1; done < <(compgen -b; compgen -k)

# --- The packages the set-up installs, and what every system has ------------------------------

mapfile -t setup < <("$top/scripts/install-deps.sh" --list test)
# For each installed package, its kind: "base" for priority required or important (or
# essential), "setup" for a set-up package or anything it depends on, through any installed
# alternative or provider; "installed" for any other. The set-up's packages that are missing
# are named "missing".
declare -A package_kind
while IFS=$'\t' read -r kind package; do package_kind[$package]=$kind; done < <(
  dpkg-query -W -f='${Package}\t${Status}\t${Priority}\t${Essential}\t${Provides}\t${Pre-Depends}\t${Depends}\n' |
    awk -F '\t' -v roots="${setup[*]}" '
      function add(p) { if (p in have && !(p in setup)) { setup[p] = 1; queue[++tail] = p } }
      $2 == "install ok installed" {
        have[$1] = 1; depends[$1] = $6 ", " $7
        if ($3 == "required" || $3 == "important" || $4 == "yes") base[$1] = 1
        n = split($5, provided, /, */)
        for (i = 1; i <= n; i++) { sub(/ .*/, "", provided[i]); providers[provided[i]] = providers[provided[i]] " " $1 }
      }
      END {
        n = split(roots, start, " ")
        for (i = 1; i <= n; i++) if (start[i] in have) add(start[i]); else print "missing\t" start[i]
        for (head = 1; head <= tail; head++) {
          n = split(depends[queue[head]], groups, /, */)
          for (g = 1; g <= n; g++) {
            m = split(groups[g], choices, / *\| */)
            for (c = 1; c <= m; c++) {
              name = choices[c]; sub(/[ (:].*/, "", name)
              add(name)
              k = split(providers[name], names, " ")
              for (j = 1; j <= k; j++) add(names[j])
            }
          }
        }
        for (p in have) print ((p in base) ? "base" : (p in setup) ? "setup" : "installed") "\t" p
      }')
for package in "${setup[@]}"; do
  [ "${package_kind[$package]}" != missing ] || fail "the set-up package $package is not installed"
done

# The package of each outside command's file, asked of dpkg in one go: by the path as found, as
# resolved through links, and under the other of /bin and /usr/bin (merged directories).
declare -A command_path path_package
while IFS=$'\t' read -r file kind word; do
  [ "$kind" = require ] || { [ "$kind" = call ] && [ -z "${shell_word[$word]+set}" ]; } || continue
  command_path[$word]=$(type -P "$word" || true)
done <<<"$findings"
candidates_of() {
  local path
  for path in "$1" "$(readlink -f "$1")"; do
    echo "$path"
    case "$path" in
      /usr/bin/* | /usr/sbin/*) echo "${path#/usr}" ;;
      /bin/* | /sbin/*) echo "/usr$path" ;;
    esac
  done
}
mapfile -t candidates < <(for path in "${command_path[@]}"; do [ -z "$path" ] || candidates_of "$path"; done | sort -u)
while IFS=$'\t' read -r package path; do path_package[$path]=$package; done < <(
  [ ${#candidates[@]} -eq 0 ] || dpkg -S "${candidates[@]}" 2>/dev/null |
    awk '!/^diversion/ { i = index($0, ": "); p = substr($0, 1, i - 1); sub(/[:,].*/, "", p); print p "\t" substr($0, i + 2) }')
package_of() {
  local path
  while read -r path; do
    if [ -n "${path_package[$path]+set}" ]; then
      echo "${path_package[$path]}"
      return
    fi
  done < <(candidates_of "$1")
}

# --- Each command ---------------------------------------------------------------------------

declare -A origin # command -> the kind of its package, or "none"
while IFS=$'\t' read -r file kind word; do
  [ -n "${command_path[$word]+set}" ] || continue
  [ "$kind" = require ] || [ -z "${shell_word[$word]+set}" ] || continue
  name=${file#"$top"/}
  path=${command_path[$word]}
  if [ -z "$path" ]; then
    fail "$name calls $word, which is not installed"
    continue
  fi
  if [ -z "${origin[$word]+set}" ]; then
    package=$(package_of "$path")
    origin[$word]=${package_kind[${package:-none}]:-none}
    case "${origin[$word]}" in
      none) fail "$word ($path) comes from no Debian package: installed by hand?" ;;
      installed) fail "$word comes from the package $package, which the set-up does not install" ;;
    esac
  fi
  # A command that a system may lack is required by the script that calls it.
  if [ "$kind" = call ] && [ "${origin[$word]}" != base ] && [ -z "${required["$file $word"]+set}" ]; then
    fail "$name calls $word without requiring it first"
  fi
done <<<"$findings"

# --- A font for the Japanese captions ---------------------------------------------------------

japanese_font=false
while IFS=: read -r package _; do
  case "${package_kind[$package]:-}" in setup | base) japanese_font=true ;; esac
done < <(fc-list -f '%{file}\n' :lang=ja | sort -u | xargs -r dpkg -S 2>/dev/null)
$japanese_font || fail "no font that the set-up installs covers Japanese (fc-list :lang=ja)"

if [ ${#failures[@]} -gt 0 ]; then
  printf 'FAIL: %s\n' "${failures[@]}" >&2
  exit 1
fi
echo "PASS: ${#origin[@]} outside commands of ${#scripts[@]} scripts come from the set-up or the base system"

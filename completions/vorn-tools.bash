# Bash completion for vorncheck, vornmap, vornaudit and vornsync: their
# options, the words some options take, and file or folder names where one
# is expected.
# The same file is installed under each tool's name, so the loader of
# bash-completion finds it for any of them; it needs nothing from that
# package.

# Sets cur (the word being completed), opt (the option whose value it is, or
# empty) and ended (1 after a bare "--", when everything is an operand).
# "--name=value" comes split as "--name" "=" "value" where "=" breaks words.
_vorn_tools_word() {
    cur=${COMP_WORDS[COMP_CWORD]}
    opt=
    ended=0
    local i
    for ((i = 1; i < COMP_CWORD; i++)); do
        [[ ${COMP_WORDS[i]} == -- ]] && ended=1
    done
    ((ended)) && return
    if [[ $cur == = ]] && ((COMP_CWORD >= 2)); then
        opt=${COMP_WORDS[COMP_CWORD - 1]}
        cur=
    elif ((COMP_CWORD >= 3)) && [[ ${COMP_WORDS[COMP_CWORD - 1]} == = ]]; then
        opt=${COMP_WORDS[COMP_CWORD - 2]}
    elif ((COMP_CWORD >= 2)); then
        opt=${COMP_WORDS[COMP_CWORD - 1]}
    fi
}

# COMPREPLY from a list of words, or from file names (kind f) or folder
# names (kind d) that start with cur.
_vorn_tools_words() {
    mapfile -t COMPREPLY < <(compgen -W "$1" -- "$cur")
}
_vorn_tools_names() {
    compopt -o filenames 2>/dev/null
    mapfile -t COMPREPLY < <(compgen "-$1" -- "$cur")
}

# $1: the switches; $2: the options that take a file; $3: those that take
# free text or a number; $4: the operand's kind (f or d). Options with a
# fixed set of words are handled by the caller before.
_vorn_tools_complete() {
    local switches=$1 files=$2 values=$3 operand=$4
    COMPREPLY=()
    if [[ -n $opt ]]; then
        if [[ " $files " == *" $opt "* ]]; then
            _vorn_tools_names f
            return
        fi
        # a number or a text: nothing to offer
        [[ " $values " == *" $opt "* ]] && return
    fi
    if ((!ended)) && [[ $cur == -* ]]; then
        _vorn_tools_words "$switches $files $values"
        return
    fi
    _vorn_tools_names "$operand"
}

_vorncheck() {
    local cur opt ended
    _vorn_tools_word
    case $opt in
    --format) _vorn_tools_words "annotated gcc"; return ;;
    --encoding) _vorn_tools_words "cp1252 utf-8"; return ;;
    esac
    _vorn_tools_complete "--help" "--scripts" \
        "--width --height --registers --format --encoding" f
}

_vornmap() {
    local cur opt ended
    _vorn_tools_word
    _vorn_tools_complete \
        "--help --audit --screen --text --bold --italic --phrase" \
        "--scripts" \
        "--prefix --ext --px --py --wd --ht --font --size --bg --fg
         --phrase-px --phrase-py --phrase-wd --phrase-ht --commands --register --not-found" f
}

_vornaudit() {
    local cur opt ended
    _vorn_tools_word
    case $opt in
    --graph) _vorn_tools_words "dot svg"; return ;;
    esac
    _vorn_tools_complete "--help" "" "--width --height --registers --first --graph" d
}

# The command first, then its folder; diff's scripts are the folder's.
_vornsync() {
    local cur opt ended
    _vorn_tools_word
    case $opt in
    --encoding) _vorn_tools_words "cp1252 utf-8"; return ;;
    esac
    local i command=
    for ((i = 1; i < COMP_CWORD; i++)); do
        [[ ${COMP_WORDS[i]} != -* && ${COMP_WORDS[i - 1]} != --login &&
            ${COMP_WORDS[i - 1]} != --server && ${COMP_WORDS[i - 1]} != --encoding ]] &&
            { command=${COMP_WORDS[i]}; break; }
    done
    if [[ -z $command && $cur != -* ]]; then
        _vorn_tools_words "pull status diff push"
        return
    fi
    _vorn_tools_complete "--help --dry-run --no-check --force --delete" "" \
        "--login --server --encoding" d
}

complete -F _vorncheck vorncheck
complete -F _vornmap vornmap
complete -F _vornaudit vornaudit
complete -F _vornsync vornsync

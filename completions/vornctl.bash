# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion for vornctl: commands, each command's options, model ids, fault kinds,
# setting names, papers and files. Needs the bash-completion package's helpers.
#
# The lists follow `vornctl --help` and `vornctl COMMAND --help` (tests/packaging/
# check-completion compares them); model ids come from `vornctl models`, and the settings of
# a template given on the line from `vornctl props FILE`.

_vornctl_commands='new check dump build diff export import models layout labels legend props devices read write help version'

# Every command also takes --help and --trace.
_vornctl_options() {
    case $1 in
    new) echo '-o --model' ;;
    check | dump | diff | layout) echo '--model' ;;
    build) echo '-o --model --base --no-check' ;;
    export) echo '-o --model' ;;
    import) echo '-o --model --base --force' ;;
    labels) echo '--set --clear' ;;
    legend) echo '-o --model --pitch --paper --key-texts' ;;
    props) echo '-o --model --set' ;;
    devices) echo '--device --simulate --no-lock-wait' ;;
    read) echo '-o --device --simulate --simulate-port --fault --all --no-wait --no-lock-wait --quiet' ;;
    write) echo '--model --device --simulate --simulate-port --fault --all --verify --no-wait --no-lock-wait --quiet --force' ;;
    esac
}

# How many file arguments a command takes.
_vornctl_files() {
    case $1 in
    check | dump | export | import | labels | legend | props | write) echo 1 ;;
    diff) echo 2 ;;
    *) echo 0 ;;
    esac
}

# The kinds of --fault, as far as they are fixed: a kind with numbers to follow ends in ':'.
_vornctl_faults='read-fail: bad-check: write-fail: no-ack: keep-wrong: unplug-after: no-keyboard driver-status:'

_vornctl_settings='oposJpos sendBreakCode beepOnKey noBeepUndefined translateSet2 altNumber
typematicScan typematicAscii interCharDelay usePort baudRate parity bitNumber cardPrefix
cardSuffix errorPolicy beepGoodRead beepReadError
track1Data track1Start track1Lrc track1Separator track1End track1Prefix track1Suffix track1Terminator
track2Data track2Start track2Lrc track2Separator track2End track2Prefix track2Suffix track2Terminator
track3Data track3Start track3Lrc track3Separator track3End track3Prefix track3Suffix track3Terminator'

_vornctl() {
    local cur prev words cword split
    _init_completion -s -n := || return

    local vornctl=$1
    type -P "$vornctl" >/dev/null 2>&1 || vornctl=vornctl

    # The command (the first word but --trace), then its file arguments and --model.
    local i word command='' model='' ended=''
    local -a positionals=()
    for ((i = 1; i < cword; i++)); do
        word=${words[i]}
        if [[ -z $command ]]; then
            [[ $word == --trace ]] || command=$word
            continue
        fi
        if [[ -n $ended || $word != -?* ]]; then
            positionals+=("$word")
            continue
        fi
        case $word in
        --) ended=1 ;;
        --model=*) model=${word#--model=} ;;
        --model) model=${words[++i]} ;;
        -o | --base | --set | --clear | --pitch | --paper | --device | --simulate | --simulate-port | --fault) ((i++)) ;;
        esac
    done

    if [[ -z $command ]]; then
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W '--help --version --trace' -- "$cur"))
        else
            COMPREPLY=($(compgen -W "$_vornctl_commands" -- "$cur"))
        fi
        return
    fi

    if [[ -z $ended ]]; then
        case $prev in
        --model)
            COMPREPLY=($(compgen -W "$("$vornctl" models 2>/dev/null | cut -f1)" -- "$cur"))
            return
            ;;
        --simulate-port)
            COMPREPLY=($(compgen -W 'usb driver' -- "$cur"))
            return
            ;;
        --paper)
            COMPREPLY=($(compgen -W 'a4 letter legal' -- "$cur"))
            return
            ;;
        --pitch | --clear)
            return # a number
            ;;
        --fault)
            # N=FAULT: the Nth simulated keyboard's
            COMPREPLY=($(compgen -W "$_vornctl_faults" -- "${cur#[0-9]*=}"))
            [[ ${COMPREPLY[0]-} == *: ]] && compopt -o nospace
            return
            ;;
        --set)
            [[ $command == labels ]] && return # KEY=TEXT
            # The settings of the template on the line, when it can be read; else all.
            local settings=$_vornctl_settings listed file=${positionals[0]-}
            file=${file/#\~/$HOME}
            if [[ -f $file ]] &&
                listed=$("$vornctl" props "$file" ${model:+--model "$model"} 2>/dev/null) &&
                [[ -n $listed ]]; then
                settings=$(cut -d= -f1 <<<"$listed")
            fi
            COMPREPLY=($(compgen -W "$settings" -S = -- "$cur"))
            compopt -o nospace
            return
            ;;
        --device)
            COMPREPLY=($(compgen -W "$(compgen -G '/dev/hidraw*')" -- "$cur"))
            [[ ${#COMPREPLY[@]} -gt 0 ]] || _filedir
            return
            ;;
        -o | --base | --simulate)
            _filedir
            return
            ;;
        esac
        $split && return

        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W "$(_vornctl_options "$command") --help --trace" -- "$cur"))
            return
        fi
    fi

    # File arguments, as many as the command takes.
    ((${#positionals[@]} < $(_vornctl_files "$command"))) && _filedir
}
complete -F _vornctl vornctl

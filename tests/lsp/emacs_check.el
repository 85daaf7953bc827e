;;; emacs_check.el --- Emacs and eglot drive tesvar lsp  -*- lexical-binding: t -*-

;; eglot, Emacs's language server client, manages a buffer with `tesvar
;; lsp': the diagnostics reach flymake, a hover request shows the
;; readings, a grammar fix and a spelling fix are applied through eglot's
;; own edit code, the diagnostics follow the edits, and the server exits
;; cleanly on shutdown.
;; Written for eglot 1.9 on Emacs 28, what CI has.  Run by
;; run_emacs_check.sh with TESVAR_BIN and TESVAR_WORK set.

(require 'eglot)
(require 'ert)

(define-derived-mode tesvar-text-mode text-mode "Tesvar"
  "Text in the language, checked by tesvar.")

(defun tesvar-check--wait (what condition)
  "Process server output until CONDITION holds; fail naming WHAT.
Flymake is started by hand, since in batch mode no command loop runs
the hooks that start it in an editing session."
  (let ((deadline (+ (float-time) 15)))
    (while (and (not (funcall condition)) (< (float-time) deadline))
      (accept-process-output nil 0.05)
      (when (bound-and-true-p flymake-mode) (flymake-start nil t)))
    (unless (funcall condition)
      (ert-fail (format "timed out waiting for %s" what)))))

(defun tesvar-check--spans ()
  "The flymake diagnostics of the buffer as sorted (BEG END TEXT) lists."
  (sort (mapcar (lambda (d) (list (flymake-diagnostic-beg d)
                                  (flymake-diagnostic-end d)
                                  (flymake-diagnostic-text d)))
                (flymake-diagnostics))
        (lambda (a b) (< (car a) (car b)))))

(ert-deftest tesvar-lsp-with-eglot ()
  (let* ((dir (file-name-as-directory (getenv "TESVAR_WORK")))
         (lexicon (expand-file-name "words.tsv" dir))
         (file (expand-file-name "text.txt" dir)))
    ;; "qagh" is unknown to the built-in lexicon, so the diagnostics show
    ;; that the lexicon setting took effect.
    (with-temp-file lexicon
      (insert "key\theadword\tpos\tdefinition\n"
              "Dal:N\tDal\tN\thouse\nqagh:N\tqagh\tN\tmistake\n"))
    ;; An emoji is one character in Emacs and two UTF-16 units on the
    ;; wire: eglot's column conversion meets the server's.
    (with-temp-file file
      (insert "\N{GRINNING FACE} Dalpu\N{RIGHT SINGLE QUOTATION MARK}"
              " naDevDaq qagh Dalmay\n"))
    (with-current-buffer (find-file-noselect file)
      (tesvar-text-mode)
      ;; The settings as the README shows them. eglot reads them outside
      ;; the buffer (from directory variables or the default value).
      (setq-default eglot-workspace-configuration
                    `(:tesvar (:lexicon ,lexicon)))
      (let ((server (eglot '(tesvar-text-mode) `(transient . ,dir)
                           'eglot-lsp-server
                           (list (getenv "TESVAR_BIN") "lsp") "tesvar")))
        (tesvar-check--wait "three diagnostics"
                            (lambda () (= 3 (length (flymake-diagnostics)))))
        (should (equal (tesvar-check--spans)
                       '((3 9 "tesvar [grammar]: Plural suffix {-pu'} is for beings capable of language.")
                         (10 18 "tesvar [unknown-word]: Unknown word \"naDevDaq\": no reading.")
                         (24 30 "tesvar [unknown-word]: Unknown word \"Dalmay\": no reading."))))

        (goto-char 5)
        (let* ((hover (jsonrpc-request server :textDocument/hover
                                       (eglot--TextDocumentPositionParams)))
               (text (plist-get (plist-get hover :contents) :value)))
          (should (string-match-p (regexp-quote "[N] house (pl)") text))
          (should (string-match-p (regexp-quote "key Dal:N, score 0.5") text)))
        (goto-char 20)
        (let* ((hover (jsonrpc-request server :textDocument/hover
                                       (eglot--TextDocumentPositionParams)))
               (text (plist-get (plist-get hover :contents) :value)))
          (should (string-match-p (regexp-quote "key qagh:N, score 1") text)))

        ;; The grammar correction comes first, then the spelling ones.
        (let ((actions (eglot-code-actions 5 5 "quickfix")))
          (should (< 1 (length actions)))
          (should (equal (plist-get (car actions) :title)
                         "Change to \"Dalmey\""))
          (eglot--apply-workspace-edit (plist-get (car actions) :edit)))
        (should (equal (buffer-substring (point-min) (line-end-position 1))
                       "\N{GRINNING FACE} Dalmey naDevDaq qagh Dalmay"))
        ;; eglot sends changes from an idle timer, which batch mode never
        ;; runs; send them as that timer would, as an incremental change.
        (eglot--signal-textDocument/didChange)
        (tesvar-check--wait "two diagnostics after the grammar fix"
                            (lambda () (= 2 (length (flymake-diagnostics)))))

        (let ((actions (eglot-code-actions 26 26 "quickfix")))
          (should (equal (mapcar (lambda (action) (plist-get action :title))
                                 actions)
                         '("Change to \"Dalmaj\"" "Change to \"Dalmey\"")))
          (eglot--apply-workspace-edit (plist-get (cadr actions) :edit)))
        (should (equal (buffer-substring (point-min) (line-end-position 1))
                       "\N{GRINNING FACE} Dalmey naDevDaq qagh Dalmey"))
        (eglot--signal-textDocument/didChange)
        (tesvar-check--wait "one diagnostic after the spelling fix"
                            (lambda () (= 1 (length (flymake-diagnostics)))))
        (should (equal (mapcar #'car (tesvar-check--spans)) '(10)))

        ;; What `eglot-shutdown' sends; it then deletes the process at
        ;; once, before the exit status could be seen, so wait here.
        (let ((process (jsonrpc--process server)))
          (should (null (jsonrpc-request server :shutdown nil)))
          (jsonrpc-notify server :exit nil)
          (tesvar-check--wait "the server to exit"
                              (lambda () (not (process-live-p process))))
          (should (eq 'exit (process-status process)))
          (should (= 0 (process-exit-status process))))))))

;;; emacs_check.el ends here

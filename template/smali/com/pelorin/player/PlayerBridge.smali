.class public Lcom/pelorin/player/PlayerBridge;
.super Ljava/lang/Object;
.source "PlayerBridge.smali"

# What the player page reaches as window.NativePlayer: the catalogue, asset
# texts and a MediaPlayer over the stored (uncompressed) audio assets, which
# can seek. The page calls in on WebView's bridge thread; the player's
# callbacks arrive on the main thread, where this object was made, and are
# passed to the page as window.nativeEnded() and window.nativeFailed().
# MediaPlayer is called from the bridge thread only, except release() at the
# end; the one shared flag is volatile, so no locks are needed.

.implements Landroid/media/MediaPlayer$OnCompletionListener;
.implements Landroid/media/MediaPlayer$OnErrorListener;


.field private final activity:Landroid/app/Activity;

.field private final web:Landroid/webkit/WebView;

.field private final player:Landroid/media/MediaPlayer;

# true from a successful play() until the next play(), an error or release():
# only then are pause, resume, seek, position and duration valid.
.field private volatile prepared:Z


.method public constructor <init>(Landroid/app/Activity;Landroid/webkit/WebView;)V
    .registers 4

    invoke-direct {p0}, Ljava/lang/Object;-><init>()V

    iput-object p1, p0, Lcom/pelorin/player/PlayerBridge;->activity:Landroid/app/Activity;

    iput-object p2, p0, Lcom/pelorin/player/PlayerBridge;->web:Landroid/webkit/WebView;

    new-instance v0, Landroid/media/MediaPlayer;

    invoke-direct {v0}, Landroid/media/MediaPlayer;-><init>()V

    invoke-virtual {v0, p0}, Landroid/media/MediaPlayer;->setOnCompletionListener(Landroid/media/MediaPlayer$OnCompletionListener;)V

    invoke-virtual {v0, p0}, Landroid/media/MediaPlayer;->setOnErrorListener(Landroid/media/MediaPlayer$OnErrorListener;)V

    iput-object v0, p0, Lcom/pelorin/player/PlayerBridge;->player:Landroid/media/MediaPlayer;

    return-void
.end method


# Reads a stream to its end as UTF-8 text and closes it; "" when reading fails.
.method private static readAll(Ljava/io/InputStream;)Ljava/lang/String;
    .registers 6

    new-instance v0, Ljava/io/ByteArrayOutputStream;

    invoke-direct {v0}, Ljava/io/ByteArrayOutputStream;-><init>()V

    const/16 v1, 0x2000

    new-array v1, v1, [B

    const/4 v3, 0x0

    :try_start_read
    :read_more
    invoke-virtual {p0, v1}, Ljava/io/InputStream;->read([B)I

    move-result v2

    if-ltz v2, :read_done

    invoke-virtual {v0, v1, v3, v2}, Ljava/io/ByteArrayOutputStream;->write([BII)V

    goto :read_more

    :read_done
    invoke-virtual {p0}, Ljava/io/InputStream;->close()V

    const-string v4, "UTF-8"

    invoke-virtual {v0, v4}, Ljava/io/ByteArrayOutputStream;->toString(Ljava/lang/String;)Ljava/lang/String;

    move-result-object v4
    :try_end_read
    .catch Ljava/io/IOException; {:try_start_read .. :try_end_read} :read_failed

    return-object v4

    :read_failed
    :try_start_close
    invoke-virtual {p0}, Ljava/io/InputStream;->close()V
    :try_end_close
    .catch Ljava/io/IOException; {:try_start_close .. :try_end_close} :close_failed

    :close_failed
    const-string v4, ""

    return-object v4
.end method


# The album title: the application's label.
.method public title()Ljava/lang/String;
    .registers 3
    .annotation runtime Landroid/webkit/JavascriptInterface;
    .end annotation

    iget-object v0, p0, Lcom/pelorin/player/PlayerBridge;->activity:Landroid/app/Activity;

    invoke-virtual {v0}, Landroid/app/Activity;->getApplicationInfo()Landroid/content/pm/ApplicationInfo;

    move-result-object v1

    invoke-virtual {v0}, Landroid/app/Activity;->getPackageManager()Landroid/content/pm/PackageManager;

    move-result-object v0

    invoke-virtual {v1, v0}, Landroid/content/pm/ApplicationInfo;->loadLabel(Landroid/content/pm/PackageManager;)Ljava/lang/CharSequence;

    move-result-object v0

    invoke-interface {v0}, Ljava/lang/CharSequence;->toString()Ljava/lang/String;

    move-result-object v0

    return-object v0
.end method


# The text of res/raw/songs.json, "" when the package has none.
.method public catalogue()Ljava/lang/String;
    .registers 6
    .annotation runtime Landroid/webkit/JavascriptInterface;
    .end annotation

    iget-object v0, p0, Lcom/pelorin/player/PlayerBridge;->activity:Landroid/app/Activity;

    invoke-virtual {v0}, Landroid/app/Activity;->getResources()Landroid/content/res/Resources;

    move-result-object v1

    invoke-virtual {v0}, Landroid/app/Activity;->getPackageName()Ljava/lang/String;

    move-result-object v2

    const-string v3, "songs"

    const-string v4, "raw"

    invoke-virtual {v1, v3, v4, v2}, Landroid/content/res/Resources;->getIdentifier(Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;)I

    move-result v0

    if-eqz v0, :no_catalogue

    invoke-virtual {v1, v0}, Landroid/content/res/Resources;->openRawResource(I)Ljava/io/InputStream;

    move-result-object v0

    invoke-static {v0}, Lcom/pelorin/player/PlayerBridge;->readAll(Ljava/io/InputStream;)Ljava/lang/String;

    move-result-object v0

    return-object v0

    :no_catalogue
    const-string v0, ""

    return-object v0
.end method


# The text of an asset such as lrcs/lrc3.lrc, "" when it is missing.
.method public readAsset(Ljava/lang/String;)Ljava/lang/String;
    .registers 3
    .annotation runtime Landroid/webkit/JavascriptInterface;
    .end annotation

    :try_start_open
    iget-object v0, p0, Lcom/pelorin/player/PlayerBridge;->activity:Landroid/app/Activity;

    invoke-virtual {v0}, Landroid/app/Activity;->getAssets()Landroid/content/res/AssetManager;

    move-result-object v0

    invoke-virtual {v0, p1}, Landroid/content/res/AssetManager;->open(Ljava/lang/String;)Ljava/io/InputStream;

    move-result-object v0
    :try_end_open
    .catch Ljava/io/IOException; {:try_start_open .. :try_end_open} :missing

    invoke-static {v0}, Lcom/pelorin/player/PlayerBridge;->readAll(Ljava/io/InputStream;)Ljava/lang/String;

    move-result-object v0

    return-object v0

    :missing
    const-string v0, ""

    return-object v0
.end method


# Starts the audio asset at the given path (music/music1.mp3) from its
# beginning. False when it cannot be played: missing, compressed in the
# package (no file descriptor) or not decodable; the page then falls back
# or reports it.
.method public play(Ljava/lang/String;)Z
    .registers 10
    .annotation runtime Landroid/webkit/JavascriptInterface;
    .end annotation

    const/4 v0, 0x0

    iput-boolean v0, p0, Lcom/pelorin/player/PlayerBridge;->prepared:Z

    # v1: the asset's file descriptor, closed on every way out
    const/4 v1, 0x0

    # v2 .. v7: player, descriptor, offset (wide), length (wide) for the ranged call
    iget-object v2, p0, Lcom/pelorin/player/PlayerBridge;->player:Landroid/media/MediaPlayer;

    :try_start_play
    invoke-virtual {v2}, Landroid/media/MediaPlayer;->reset()V

    iget-object v0, p0, Lcom/pelorin/player/PlayerBridge;->activity:Landroid/app/Activity;

    invoke-virtual {v0}, Landroid/app/Activity;->getAssets()Landroid/content/res/AssetManager;

    move-result-object v0

    invoke-virtual {v0, p1}, Landroid/content/res/AssetManager;->openFd(Ljava/lang/String;)Landroid/content/res/AssetFileDescriptor;

    move-result-object v1

    invoke-virtual {v1}, Landroid/content/res/AssetFileDescriptor;->getFileDescriptor()Ljava/io/FileDescriptor;

    move-result-object v3

    invoke-virtual {v1}, Landroid/content/res/AssetFileDescriptor;->getStartOffset()J

    move-result-wide v4

    invoke-virtual {v1}, Landroid/content/res/AssetFileDescriptor;->getLength()J

    move-result-wide v6

    invoke-virtual/range {v2 .. v7}, Landroid/media/MediaPlayer;->setDataSource(Ljava/io/FileDescriptor;JJ)V

    invoke-virtual {v1}, Landroid/content/res/AssetFileDescriptor;->close()V

    const/4 v1, 0x0

    invoke-virtual {v2}, Landroid/media/MediaPlayer;->prepare()V

    invoke-virtual {v2}, Landroid/media/MediaPlayer;->start()V
    :try_end_play
    .catch Ljava/lang/Exception; {:try_start_play .. :try_end_play} :play_failed

    const/4 v0, 0x1

    iput-boolean v0, p0, Lcom/pelorin/player/PlayerBridge;->prepared:Z

    return v0

    :play_failed
    if-eqz v1, :not_open

    :try_start_close
    invoke-virtual {v1}, Landroid/content/res/AssetFileDescriptor;->close()V
    :try_end_close
    .catch Ljava/io/IOException; {:try_start_close .. :try_end_close} :not_open

    :not_open
    const/4 v0, 0x0

    return v0
.end method


.method public pause()V
    .registers 2
    .annotation runtime Landroid/webkit/JavascriptInterface;
    .end annotation

    iget-boolean v0, p0, Lcom/pelorin/player/PlayerBridge;->prepared:Z

    if-eqz v0, :idle

    iget-object v0, p0, Lcom/pelorin/player/PlayerBridge;->player:Landroid/media/MediaPlayer;

    invoke-virtual {v0}, Landroid/media/MediaPlayer;->pause()V

    :idle
    return-void
.end method


.method public resume()V
    .registers 2
    .annotation runtime Landroid/webkit/JavascriptInterface;
    .end annotation

    iget-boolean v0, p0, Lcom/pelorin/player/PlayerBridge;->prepared:Z

    if-eqz v0, :idle

    iget-object v0, p0, Lcom/pelorin/player/PlayerBridge;->player:Landroid/media/MediaPlayer;

    invoke-virtual {v0}, Landroid/media/MediaPlayer;->start()V

    :idle
    return-void
.end method


# Moves to a position in milliseconds.
.method public seek(I)V
    .registers 3
    .annotation runtime Landroid/webkit/JavascriptInterface;
    .end annotation

    iget-boolean v0, p0, Lcom/pelorin/player/PlayerBridge;->prepared:Z

    if-eqz v0, :idle

    iget-object v0, p0, Lcom/pelorin/player/PlayerBridge;->player:Landroid/media/MediaPlayer;

    invoke-virtual {v0, p1}, Landroid/media/MediaPlayer;->seekTo(I)V

    :idle
    return-void
.end method


# The position in milliseconds, 0 when nothing is loaded.
.method public position()I
    .registers 2
    .annotation runtime Landroid/webkit/JavascriptInterface;
    .end annotation

    iget-boolean v0, p0, Lcom/pelorin/player/PlayerBridge;->prepared:Z

    if-eqz v0, :idle

    iget-object v0, p0, Lcom/pelorin/player/PlayerBridge;->player:Landroid/media/MediaPlayer;

    invoke-virtual {v0}, Landroid/media/MediaPlayer;->getCurrentPosition()I

    move-result v0

    # when not prepared, v0 holds false, which is 0
    :idle
    return v0
.end method


# The length in milliseconds, 0 when nothing is loaded.
.method public duration()I
    .registers 2
    .annotation runtime Landroid/webkit/JavascriptInterface;
    .end annotation

    iget-boolean v0, p0, Lcom/pelorin/player/PlayerBridge;->prepared:Z

    if-eqz v0, :idle

    iget-object v0, p0, Lcom/pelorin/player/PlayerBridge;->player:Landroid/media/MediaPlayer;

    invoke-virtual {v0}, Landroid/media/MediaPlayer;->getDuration()I

    move-result v0

    # when not prepared, v0 holds false, which is 0
    :idle
    return v0
.end method


# Called by the activity when it goes away; the bridge plays nothing after.
.method public release()V
    .registers 2

    const/4 v0, 0x0

    iput-boolean v0, p0, Lcom/pelorin/player/PlayerBridge;->prepared:Z

    iget-object v0, p0, Lcom/pelorin/player/PlayerBridge;->player:Landroid/media/MediaPlayer;

    invoke-virtual {v0}, Landroid/media/MediaPlayer;->release()V

    return-void
.end method


# Main thread: the song played to its end.
.method public onCompletion(Landroid/media/MediaPlayer;)V
    .registers 4

    iget-object v0, p0, Lcom/pelorin/player/PlayerBridge;->web:Landroid/webkit/WebView;

    const-string v1, "window.nativeEnded && window.nativeEnded()"

    const/4 v2, 0x0

    invoke-virtual {v0, v1, v2}, Landroid/webkit/WebView;->evaluateJavascript(Ljava/lang/String;Landroid/webkit/ValueCallback;)V

    return-void
.end method


# Main thread: the player failed while playing. The player is unusable until
# the next play(), which resets it.
.method public onError(Landroid/media/MediaPlayer;II)Z
    .registers 7

    const/4 v0, 0x0

    iput-boolean v0, p0, Lcom/pelorin/player/PlayerBridge;->prepared:Z

    iget-object v0, p0, Lcom/pelorin/player/PlayerBridge;->web:Landroid/webkit/WebView;

    const-string v1, "window.nativeFailed && window.nativeFailed()"

    const/4 v2, 0x0

    invoke-virtual {v0, v1, v2}, Landroid/webkit/WebView;->evaluateJavascript(Ljava/lang/String;Landroid/webkit/ValueCallback;)V

    const/4 v0, 0x1

    return v0
.end method
